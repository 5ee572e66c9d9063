// The resolution list of the main dialog: filled once from the display's modes,
// read again when a script is generated.
#include "dialog/ScriptGenDialog.h"
#include "display/DisplayModeFormat.h"
#include "resource.h"

namespace {
constexpr int kMaxModesExamined = 512;
}

void ScriptGenDialog::fillDisplayModeList() {
    int added = 0;
    for (int number = 0; number < kMaxModesExamined; ++number) {
        std::optional<DisplayMode> mode = services_.displayModes.mode(number);
        if (!mode) break;  // the first failure ends the list
        if (!isUsableDisplayMode(*mode)) continue;
        window_->listAddString(IDC_RESOLUTION_LIST, displayModeEntryText(*mode));
        ++added;
    }
    if (settings_.savedResolutionIndex + 1 > added) settings_.savedResolutionIndex = 0;
    window_->listSetSelection(IDC_RESOLUTION_LIST, 0, true);
}

void ScriptGenDialog::onResolutionSelectionChange() {
    const int caret = window_->listCurrentSelection(IDC_RESOLUTION_LIST);
    currentResolutionText_ = window_->listText(IDC_RESOLUTION_LIST, caret);
    settings_.savedResolutionIndex = window_->listCurrentSelection(IDC_RESOLUTION_LIST);
}

void ScriptGenDialog::gatherSelectedResolutions() {
    const int count = std::max(0, window_->listSelectionCount(IDC_RESOLUTION_LIST));
    settings_.resolutionCount = count;
    const std::vector<int> selected =
        window_->listSelectedItems(IDC_RESOLUTION_LIST, BenchmarkSettings::kMaxResolutions);
    for (std::size_t k = 0; k < selected.size() && k < std::size_t(count); ++k) {
        settings_.resolutionTokens[k] =
            toResolutionToken(window_->listText(IDC_RESOLUTION_LIST, selected[k]));
    }
}
