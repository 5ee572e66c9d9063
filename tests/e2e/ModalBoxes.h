// The program's message boxes and About dialog, found among its top-level
// windows, read and answered the way a user would.
#pragma once

#include <windows.h>

#include <string>

#include "Screen.h"
#include "Wait.h"

class MainDialog;
class RunningProgram;

struct ShownBox {
    HWND window = nullptr;
    std::string title;
    std::string text;
    IconKind icon = IconKind::none;
    bool hasOk = false;
    bool hasYes = false;
    bool hasNo = false;
    HWND owner = nullptr;
};

// The message box open now, or a box with no window.
ShownBox currentBox(const RunningProgram& program);
ShownBox waitForBox(const RunningProgram& program, Milliseconds timeout = kReaction);

// Message box styles of the program: 16 stop + OK, 52 exclamation + Yes/No, 64 information + OK.
inline constexpr unsigned kStopStyle = 16;
inline constexpr unsigned kQuestionStyle = 52;
inline constexpr unsigned kInformationStyle = 64;

// Waits for a box, checks its title, text, icon, buttons and owner, answers it
// with that button and waits until the program has taken the answer.
void expectBoxAndAnswer(const MainDialog& dialog, const std::string& title, const std::string& text,
                        unsigned style, int answer);
// The usual title of the program's boxes.
void expectBoxAndAnswer(const MainDialog& dialog, const std::string& text, unsigned style,
                        int answer);
// Fails when a message box is open now.
void expectNoBox(const RunningProgram& program, const std::string& when);

// Clicks a button of a modal window and waits until that window is gone.
void answerModal(HWND modal, int buttonId);
// Waits until the window is gone and the desktop has painted where it was.
bool waitUntilClosed(HWND window);
