// VoDpi.h - sizes and bitmaps for screens of more than 96 dots per inch.
//
// Layouts are designed in pixels of a 96-DPI screen. A program that declares
// itself DPI-aware (in its manifest) is given the screen's real pixels: fonts,
// and with them dialog units, grow by themselves, but sizes given in pixels
// (list columns, parts of controls, bitmaps) must be scaled. At 96 DPI every
// function here hands back exactly what it was given.
//
// Larger versions of a bitmap resource are named after it with the scale in
// percent: "IDB_UP_150" (144 DPI) and "IDB_UP_200" (192 DPI) beside "IDB_UP".
#pragma once

#include "VokitDefs.h"

// The DPI the designs are made for.
const int VO_DESIGN_DPI = 96;

// The screen's DPI (LOGPIXELSY of the screen), VO_DESIGN_DPI when it cannot
// be read. It stays the same for the whole process.
VOKIT_API int _GetScreenDpi();

// value, in pixels of a fromDpi screen, in pixels of a toDpi screen, rounded
// to the nearest (halves away from zero). Unchanged when either DPI is not
// positive.
VOKIT_API int _ScaleDpi(int value, int toDpi, int fromDpi = VO_DESIGN_DPI);

// A copy of bitmap resized to cx x cy with smooth edges: every new pixel is
// the average of the old pixels it covers, in proportion to the part it
// covers. Null when bitmap is not a bitmap or the size is not positive.
VOKIT_API HBITMAP _ScaleBitmap(HBITMAP bitmap, int cx, int cy);

// The bitmap resource name of module for a dpi screen, to be deleted by the
// caller; null when there is no resource of that name.
//   - dpi 96 (or not positive): the resource itself, as LoadBitmap gives it;
//   - a version made for exactly this DPI ("<name>_<percent>"): that one, as
//     it is;
//   - otherwise the smallest version larger than needed (else the largest)
//     resized smoothly to the 96-DPI size scaled to dpi.
VOKIT_API HBITMAP _LoadBitmapForDpi(HINSTANCE module, const char* name, int dpi);
