// Message boxes answered from a queue and recorded, as a user at the screen would.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/MessageBoxes.h"

struct ShownMessage {
    std::string text;
    std::string caption;
    unsigned style;
    bool operator==(const ShownMessage& o) const {
        return text == o.text && caption == o.caption && style == o.style;
    }
};

class ScriptedMessageBoxes : public MessageBoxes {
   public:
    std::vector<ShownMessage> shown;
    std::deque<int> answers;  // taken in order; an empty queue answers OK (1)

    int showMessageBox(const std::string& text, const std::string& caption,
                       unsigned style) override {
        shown.push_back({text, caption, style});
        if (answers.empty()) return msg::kOk;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
