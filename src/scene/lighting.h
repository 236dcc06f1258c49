// The one light, fixed relative to the eye: its colours and its place.
#pragma once

// Loads the light's colours and puts it at the eye of the look-at from `cameraZ`.
void setupSpotlight(int lightIndex, float ambientLevel, float diffuseLevel, float specularLevel,
                    float materialSpecularLevel, float fade, float cameraZ);
