// The one place where text comparison follows the system's multibyte code page.
// Windows builds ask the C runtime; other builds compare ASCII letters only.
#pragma once

#include <string>

// True when the two texts are equal ignoring case, as the system code page sees case.
bool equalsIgnoringCaseInCodePage(const std::string& a, const std::string& b);
