// Notification codes and command results the dialog reacts to, with the values
// Windows gives them, so portable code can name them without <windows.h>.
#pragma once

namespace notify {
inline constexpr unsigned kButtonClicked = 0;        // BN_CLICKED
inline constexpr unsigned kListSelectionChange = 1;  // LBN_SELCHANGE
inline constexpr unsigned kEditKillFocus = 0x0200;   // EN_KILLFOCUS
}  // namespace notify

namespace command {
inline constexpr int kOk = 1;      // IDOK: the default button and Enter
inline constexpr int kCancel = 2;  // IDCANCEL: Cancel, Escape and the close box
}  // namespace command
