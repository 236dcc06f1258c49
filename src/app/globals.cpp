// The process-wide objects, defined together so that they are constructed in this order.
#include "app/globals.h"

TextOverlay textOverlay;
SimSettings settings;
StarField starField;

AppState app;
OscillatorBank oscBank;
Gear gear;
TextureTable textureTable;
