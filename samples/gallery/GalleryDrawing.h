// GalleryDrawing.h - the sample document of the gallery's zoom view: a page
// with a grid, text and shapes, drawn in logical units with plain GDI calls
// (so that a benchmark can draw exactly the same with a bare window).
#pragma once

#include <windows.h>

namespace gallery {

// The page: A4 in tenths of a millimetre.
const int kPageWidth = 2100;
const int kPageHeight = 2970;

// Draws the page in logical units on a DC whose mapping the caller set up.
void DrawSamplePage(HDC hDC);

}  // namespace gallery
