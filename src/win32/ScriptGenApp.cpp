// Start-up: run the main dialog modally; the program ends when it closes,
// however it was closed, and nothing is saved.
#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include "app/AdministratorOffer.h"
#include "dialog/ScriptGenDialog.h"
#include "win32/LateFunctions.h"
#include "win32/MainDialogProcedure.h"
#include "win32/Win32Services.h"

namespace {
// Registers the trackbar. Common Controls 6, which the manifest asks for on XP
// and later, registers only what InitCommonControlsEx names; the first
// COMCTL32 of Windows 95 (4.00) lacks that function and takes InitCommonControls.
void registerTrackbar() {
    using InitializeEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto initializeEx = loadedFunction<InitializeEx>("comctl32.dll", "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    if (!initializeEx || !initializeEx(&classes)) InitCommonControls();
}
}  // namespace

class ScriptGenApp {
   public:
    int initInstance(HINSTANCE instance, const char* commandLine) {
        registerTrackbar();

        RegistryInstallPath registry;
        Win32WorkingDirectory workingDirectory;
        Win32DisplayModes displayModes;
        Win32ProcessLauncher launcher;
        Win32ScriptHost scriptHost;
        Win32CodePages codePages;
        Win32WriteFailures writeFailures;
        Win32AdministratorRights administratorRights;
        Win32VirtualStoreFiles virtualStore;
        const std::string arguments = commandLine ? commandLine : "";
        ScriptGenDialog dialog(
            theBenchmarkSettings,
            {registry, workingDirectory, displayModes, launcher, scriptHost, codePages,
             writeFailures, administratorRights, virtualStore,
             startedByAdministratorOffer(arguments), storeFolderHandedOn(arguments)});
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
