// The one way the program talks to the user about failures and questions.
// The dialog implements it with real message boxes; tests answer from a queue.
#pragma once

#include <string>

#include "common/Product.h"

namespace msg {
// Style numbers as the system's MessageBox takes them.
inline constexpr unsigned kStop = 16;      // stop icon, OK
inline constexpr unsigned kQuestion = 52;  // exclamation icon, Yes and No
inline constexpr unsigned kInfo = 64;      // information icon, OK
// Answers.
inline constexpr int kOk = 1;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace msg

class MessageBoxes {
   public:
    virtual ~MessageBoxes() = default;
    virtual int showMessageBox(const std::string& text, const std::string& caption,
                               unsigned style) = 0;

    // Every box but the fatal one carries the product title.
    int tell(const std::string& text, unsigned style) {
        return showMessageBox(text, product::kMessageTitle, style);
    }
};
