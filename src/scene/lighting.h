// The one light, fixed relative to the eye: its colours and its place.
#pragma once

// The colours setupSpotlight loads, each channel its level times the fade level, alpha 1.
struct SpotlightColors {
    float ambient[4];
    float diffuse[4];
    float specular[4];
    float materialSpecular[4];
};

SpotlightColors computeSpotlightColors(float ambientLevel, float diffuseLevel, float specularLevel,
                                       float materialSpecularLevel, float fade);

// Loads the light's colours and puts it at the eye of the look-at from `cameraZ`.
void setupSpotlight(int lightIndex, float ambientLevel, float diffuseLevel, float specularLevel,
                    float materialSpecularLevel, float fade, float cameraZ);
