// GradientSteps.h - the progress gradient shared by CGradientDraw and
// CGradientProgressCtrl (library-internal).
//
// A bar shows the colours from the start colour at the left edge of its
// rectangle to the end colour at the right edge in discrete steps, one
// step per unit of the largest difference of the red, green and blue
// components; the part right of the bar shows the background colour.
#pragma once

#include <afxwin.h>

namespace vokit_gradient {

// True when the position lies strictly between the bounds: only then is a
// bar drawn. An upper bound of 0 never draws (the bar is measured against it).
bool ShowsBar(int lower, int pos, int upper);

// pos / upper of width, measured from 0, truncated and kept within 0 .. width.
int BarWidth(int pos, int upper, int width);

// Paints rect: the colour steps up to and including the one that holds
// the bar's end, then the background. One fill per step, none per pixel.
// Equal start and end colours give a solid bar barWidth wide.
void PaintSteps(CDC* pDC, const RECT& rect, int barWidth, COLORREF start, COLORREF end, COLORREF background);

// "%.0f%%" of pos * 100 / upper in colour, transparent, centred on one line
// over rect, in the context's current font.
void DrawPercent(CDC* pDC, const RECT& rect, int pos, int upper, COLORREF colour);

}  // namespace vokit_gradient
