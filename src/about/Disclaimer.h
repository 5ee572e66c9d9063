// The disclaimer shown in the About dialog's edit box.
#pragma once

#include <string>

// One line of text (the edit box wraps it), tabs standing in for paragraph breaks;
// it ends with the contact e-mail address.
const std::string& disclaimerText();
