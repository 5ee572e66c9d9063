// The four scene categories: one required scene and two that depend on it.
// The dialog's rules, the generate check and the results page legend all read
// this one table. It is in the order of the results page legend.
#pragma once

#include <array>

struct SceneCategory {
    const char* groupCaption;   // the dialog's group box
    const char* legendCaption;  // the results page legend row
    const char* legendColor;    // that row's bgcolor
    int requiredScene;
    std::array<int, 2> dependentScenes;
};

inline constexpr std::array<SceneCategory, 4> kSceneCategories{{
    {"FILL RATE tests", "FILL RATE Tests", "#ffFF88", 1, {9, 12}},
    {"POLYGON COUNT tests", "POLYGON COUNT Tests", "#88FF88", 3, {5, 6}},
    {"VRAM tests", "VRAM Tests", "#aaaaFF", 4, {10, 11}},
    {"CPU/FPU tests", "CPU/FPU Tests", "#FF9999", 2, {7, 8}},
}};

// The category that scene n (1 to 12) belongs to.
inline const SceneCategory& categoryOfScene(int n) {
    for (const auto& category : kSceneCategories) {
        if (category.requiredScene == n || category.dependentScenes[0] == n ||
            category.dependentScenes[1] == n)
            return category;
    }
    return kSceneCategories[0];  // scenes are 1 to 12; never reached
}
