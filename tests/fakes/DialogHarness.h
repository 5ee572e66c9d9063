// A main dialog wired to fakes, in an installation directory of its own.
#pragma once

#include <optional>
#include <string>

#include "dialog/ScriptGenDialog.h"
#include "fakes/FakeCodePages.h"
#include "fakes/FakeDialogWindow.h"
#include "fakes/FakeServices.h"

struct DialogHarness {
    ScratchDirectory installation;
    BenchmarkSettings settings;
    FakeRegistry registry;
    RealWorkingDirectory workingDirectory;
    FakeDisplayModes displayModes;
    FakeLauncher launcher;
    FakeScriptHost scriptHost;
    FakeCodePages codePages = FakeCodePages::westernEuropean();
    FakeWriteFailures writeFailures;
    FakeAdministratorRights rights;
    FakeVirtualStore virtualStore;
    FakeDialogWindow window;
    ScriptGenDialog dialog;

    explicit DialogHarness(bool startedByAdministratorOffer = false)
        : dialog(settings,
                 {registry, workingDirectory, displayModes, launcher, scriptHost, codePages,
                  writeFailures, rights, virtualStore, startedByAdministratorOffer, std::nullopt}) {
        registry.value = installation.pathText();
        displayModes.modes = {{640, 480, 16}, {800, 600, 16}, {1024, 768, 32}};
        window.attach(dialog);
    }

    bool start() { return dialog.onInitDialog(window); }
    bool checked(int id) const { return window.checkState(id) != 0; }
    bool enabled(int id) const { return window.isEnabled(id); }
};
