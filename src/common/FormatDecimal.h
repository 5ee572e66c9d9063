#pragma once

#include <string>

// Decimal digits, most significant first, no sign, no leading zeros, no grouping.
std::string formatDecimal(unsigned long long value);
