// What the system's visual style, where one is active, changes in the dialog's
// geometry. Windows 95 to 2000 have none, nor does the classic look of later
// Windows: there every answer is "nothing".
#pragma once

#include <windows.h>

#include <optional>

// The width of the check box's mark as its visual style draws it at this DPI.
std::optional<int> themedCheckMarkWidth(HWND checkBox, UINT dpi);
