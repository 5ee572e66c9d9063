#pragma once

#include "platform/Ports.h"
#include "settings/BenchmarkSettings.h"

// Fills the installation path from the registry; false leaves it unchanged.
bool lookUpInstallPath(InstallRegistry& registry, BenchmarkSettings& settings);

// The fatal start-up message, shown when the lookup fails.
inline constexpr char kMissingRegistryText[] =
    "Some registry keys are missing.\nPlease reinstall Solanthra.";
inline constexpr char kMissingRegistryCaption[] = "Fatal error";
