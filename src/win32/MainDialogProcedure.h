#pragma once

#include <windows.h>

#include "dialog/ScriptGenDialog.h"

// Runs the main dialog modally on template IDD_MAIN until it is cancelled.
INT_PTR runMainDialog(HINSTANCE instance, ScriptGenDialog& dialog);
