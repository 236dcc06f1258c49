// A look chosen before the first frame: what the keys would set, given on the command line.
#pragma once

#include <optional>

// Each field left empty (or false) keeps the default that start-up's reset sets.
struct Look {
    std::optional<int> imageIndex;  // 0 to 4, as i cycles
    std::optional<int> texGenMode;  // a TexGenMode, as o cycles
    std::optional<int> polyMode;    // a PolygonMode, as w cycles
    std::optional<int> tesselation; // as < and > step
    std::optional<int> fovDegrees;  // as , and . step
    std::optional<int> letterbox;   // as l cycles
    std::optional<float> cameraZ;   // as { and } step
    std::optional<float> mainSpeed, rotateSpeed, movementSpeed;
    bool noTextures = false; // t
    bool spotlight = false;  // s
    bool noStars = false;    // u
    bool hyperspace = false; // Space
    bool frameRate = false;  // c
};

// Sets what `look` asks for after start-up's reset, silently, and rebuilds the gear for another
// tessellation; hyperspace from the start still clears the first frame once. The r key brings
// the defaults back.
void applyLook(const Look& look);
