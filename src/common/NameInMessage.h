// A name as a message box quotes it. The box grows to the widest word of its
// text, and a long name with no blank is one word: shown whole, a name of a few
// hundred characters puts the box's icon, text and buttons off the screen.
#pragma once

#include <string>

#include "platform/CodePages.h"

// The words before the name, the name, the words after it. A short name
// stands whole; of a long one the first and last characters stand, up to 30
// bytes each, on two lines with one between that says how many characters
// are left out: "...(240 characters left out)...".
std::string textWithName(const char* before, const std::string& name, const char* after,
                         const CodePages& codePages);
