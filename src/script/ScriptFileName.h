// Script names that Windows takes for no file: refused before anything is
// opened, since "NUL.bat" would open the null device, "succeed", and leave the
// user believing in a script that does not exist.
#pragma once

#include <string>

#include "platform/CodePages.h"

// Why no file can have this name (in the Windows code page), or empty when
// one can. changedByCodePage: the name typed (in the NT line's Unicode box)
// is not this name, since the Windows code page lacks some of its characters;
// written, it could land under another name or in another folder
// ("．．＼run.bat" becomes "..\run.bat").
std::string scriptNameRefusal(const std::string& name, const CodePages& codePages,
                              bool changedByCodePage);
