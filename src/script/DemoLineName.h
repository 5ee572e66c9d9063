// The project name as it stands on the script's demo lines, by the rules of
// the interpreter that reads them: the one place that decides it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/CodePages.h"
#include "platform/Ports.h"

// Who reads the script: the interpreter, in the code pages of its system.
struct ScriptReader {
    BatchInterpreter interpreter;
    const CodePages& codePages;
};

struct DemoLineName {
    std::string written;   // the bytes on the line
    std::string received;  // what the interpreter hands the demo, in the console code page
    // COMMAND.COM only: "|", "<" and ">" were written as blanks, since nothing
    // carries them to the demo there.
    bool redirectionsBlanked = false;
    // COMMAND.COM only: the name was cut to keptCharacters characters so that
    // the line fits.
    bool cut = false;
    std::size_t keptCharacters = 0;
};

// The name, in the Windows code page, as the demo line carries it. The name is
// turned into the console code page first and then walked a character at a
// time: a lead byte and the byte after it are one character, written as they
// are, since the interpreter reads them as one before it looks for operators.
// Single-byte characters: both lines double "%" and write control characters
// as blanks; cmd's puts "^" before "^ & | < >" outside double-quoted stretches
// (each '"' opens or closes one, as cmd reads them); COMMAND.COM's, which has
// no escape, writes "| < >" as blanks. A lead byte with nothing to pair with
// (last, or before a control character) is written as a blank: left alone it
// would swallow the byte after it. At most roomBytes bytes of the name as the
// interpreter reads it are kept, cut between characters.
DemoLineName nameOnDemoLine(const std::string& windowsName, const ScriptReader& reader,
                            std::size_t roomBytes);

// Whether the name reaches the demo other than typed: the box's Unicode text
// (NT line only) through the Windows code page, in which the program and the
// demo take it, then through the console code page, in which the interpreter
// reads the script. Each step is a round trip; a best fit counts as a change.
bool codePagesChangeName(const std::optional<std::u16string>& typed, const std::string& windowsName,
                         const CodePages& codePages);
