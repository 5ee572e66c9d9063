// Start-up: run the main dialog modally; the program ends when it closes,
// however it was closed, and nothing is saved.
#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include "app/AdministratorOffer.h"
#include "dialog/ScriptGenDialog.h"
#include "win32/MainDialogProcedure.h"
#include "win32/Win32Services.h"

class ScriptGenApp {
   public:
    int initInstance(HINSTANCE instance, const char* commandLine) {
        // Registers the trackbar; every COMCTL32 has it, Windows 95's first one
        // (4.00) included, which lacks InitCommonControlsEx. The manifest asks
        // for no Common Controls 6, under which this would register nothing.
        InitCommonControls();

        RegistryInstallPath registry;
        Win32WorkingDirectory workingDirectory;
        Win32DisplayModes displayModes;
        Win32ProcessLauncher launcher;
        Win32ScriptHost scriptHost;
        Win32CodePages codePages;
        Win32WriteFailures writeFailures;
        Win32AdministratorRights administratorRights;
        Win32VirtualStoreFiles virtualStore;
        ScriptGenDialog dialog(theBenchmarkSettings,
                               {registry, workingDirectory, displayModes, launcher, scriptHost,
                                codePages, writeFailures, administratorRights, virtualStore,
                                startedByAdministratorOffer(commandLine ? commandLine : "")});
        runMainDialog(instance, dialog);
        return 0;
    }
};

namespace {
ScriptGenApp theApp;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    return theApp.initInstance(instance, commandLine);
}
