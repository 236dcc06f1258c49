// The process-wide objects, defined together so that they are constructed in this order.
#include "app/app_state.h"
#include "app/settings.h"
#include "overlay/text_overlay.h"
#include "scene/star_field.h"

TextOverlay textOverlay;
SimSettings settings;
StarField starField;

AppState app;
