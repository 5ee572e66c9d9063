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

// The reverse: console bytes as a program that reads the Windows code page
// gets them. Builds other than Windows return the text unchanged.
std::string fromConsoleCodePage(const std::string& consoleText);

// True when the byte opens a two-byte character in the console code page, so
// that a name is never cut between the two. Always false on builds other than Windows.
bool isConsoleLeadByte(char c);
