// Which display modes the demo can run in, and how a mode is shown in the
// resolution list and passed to the demo after -r.
#pragma once

#include <string>

#include "platform/Ports.h"

// 16, 24 or 32 bits and a width-to-height ratio near 4:3 (5:4 and 4:3 pass,
// wide screens do not).
bool isUsableDisplayMode(const DisplayMode& mode);

// "1024x768 pixels - 32 bit"
std::string displayModeEntryText(const DisplayMode& mode);

// "1024x768 pixels - 32 bit" -> "1024x768@32"
std::string toResolutionToken(const std::string& entryText);
