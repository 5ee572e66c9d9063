// The About box: product name, a picture and the disclaimer in an edit box.
#pragma once

#include <windows.h>

#include <string>

class AboutDialog {
   public:
    explicit AboutDialog(std::string disclaimer) : disclaimerBoxText_(std::move(disclaimer)) {}
    // Runs modally; the result is of no interest to anybody.
    void run(HWND owner);

   private:
    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    // What the user types into the box stays in this object and dies with it.
    std::string disclaimerBoxText_;
};
