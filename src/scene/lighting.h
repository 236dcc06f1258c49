// The one light, fixed relative to the eye, and the scene pass of every frame.
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

void setupSpotlight(int lightIndex, float ambientLevel, float diffuseLevel, float specularLevel,
                    float materialSpecularLevel, float fade);

// The light when lighting is on, the camera step, then the gear cluster.
void drawScene();
