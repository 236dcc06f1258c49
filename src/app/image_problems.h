// Start-up's report of the image files that are missing, unreadable or not what the reader takes.
#pragma once

#include "textures/texture_table.h"

// One line on stderr for each file in `folder` with a problem: "tyvok: <full path>: <problem>".
void reportImageProblems(const ImageProblems& problems, const std::string& folder);
