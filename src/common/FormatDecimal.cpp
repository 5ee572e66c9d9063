#include "common/FormatDecimal.h"

std::string formatDecimal(unsigned long long value) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + value % 10));
        value /= 10;
    } while (value != 0);
    return digits;
}
