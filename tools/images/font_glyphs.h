// Draws the program's bitmap font sheet: 16 x 8 cells of 8 x 16 pixels, characters 32..159.
#pragma once

#include "bmp_writer.h"

namespace tyvok::images {

constexpr int kFontCellWidth = 8;
constexpr int kFontCellHeight = 16;
constexpr int kFontColumns = 16;
constexpr int kFontRows = 8;
constexpr int kFirstSheetCharacter = 32;
constexpr int kFirstPrintable = 33;
constexpr int kLastPrintable = 126;

// The glyph box inside each cell; everything left of and above it stays black, because the
// program samples each cell through a window that reaches into its neighbours' first columns/rows.
constexpr int kGlyphLeft = 2;
constexpr int kGlyphTop = 2;
constexpr int kGlyphWidth = 6;
constexpr int kGlyphHeight = 14;

// White glyph strokes on black for characters 33..126; all other cells are black. The sheet is
// returned upside down, as the font file stores it (its first stored row is the sheet's top).
Image renderFontSheet();

} // namespace tyvok::images
