// The process-wide objects (defined in globals.cpp), for the program, its hosts and the tests.
#pragma once

#include "anim/oscillators.h"
#include "anim/setting_values.h"
#include "app/app_state.h"
#include "overlay/text_overlay.h"
#include "scene/gear_mesh.h"
#include "scene/star_field.h"
#include "textures/texture_table.h"

extern TextOverlay textOverlay;
extern SimSettings settings;
extern StarField starField;

extern AppState app;
extern OscillatorBank oscBank;
extern Gear gear;
extern TextureTable textureTable;
