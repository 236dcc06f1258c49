// Draws the program's bitmap font sheet: 16 x 8 cells of 8 x 16 pixels, characters 32..159.
#pragma once

#include "bmp_writer.h"

namespace tyvok::images {

constexpr int fontCellWidth = 8;
constexpr int fontCellHeight = 16;
constexpr int fontColumns = 16;
constexpr int fontRows = 8;
constexpr int firstSheetCharacter = 32;
constexpr int firstPrintable = 33;
constexpr int lastPrintable = 126;

// The glyph box inside each cell; everything left of and above it stays black, because the
// program samples each cell through a window that reaches into its neighbours' first columns/rows.
constexpr int glyphLeft = 2;
constexpr int glyphTop = 2;
constexpr int glyphWidth = 6;
constexpr int glyphHeight = 14;

// White glyph strokes on black for characters 33..126; all other cells are black. The sheet is
// returned upside down, as the font file stores it (its first stored row is the sheet's top).
Image renderFontSheet();

} // namespace tyvok::images
