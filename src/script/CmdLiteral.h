// The project name as it must stand on a batch line so that the command
// interpreter hands it to the demo exactly as the user typed it.
#pragma once

#include <string>

// Doubles every "%", puts "^" before "^ & | < >" outside double-quoted stretches
// (each '"' opens or closes one, as the interpreter reads them), and writes every
// control character as a blank, since none can stand on a batch line. A name
// without these characters comes back unchanged.
std::string cmdLiteral(const std::string& projectName);
