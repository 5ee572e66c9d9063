// The one place where text follows the system's code pages. Windows builds ask
// the system; other builds know ASCII only and leave every other byte alone.
#pragma once

#include <string>

// True when the two texts are equal ignoring case, as the system code page sees case.
bool equalsIgnoringCaseInCodePage(const std::string& a, const std::string& b);

// The dialog's text is in the Windows (ANSI) code page, but the command
// interpreter reads a batch file in the console (OEM) code page: this gives the
// bytes that the interpreter reads back as the same characters. A character
// with no console form becomes what the system's conversion makes of it.
// Builds other than Windows return the text unchanged.
std::string toConsoleCodePage(const std::string& windowsText);
