#include "settings/BenchmarkSettings.h"

BenchmarkSettings theBenchmarkSettings;
