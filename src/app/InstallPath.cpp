#include "app/InstallPath.h"

bool lookUpInstallPath(InstallRegistry& registry, BenchmarkSettings& settings) {
    std::optional<std::string> path = registry.readInstallPath();
    if (!path) return false;
    settings.installationPath = path->substr(0, path->find('\0'));
    return true;
}
