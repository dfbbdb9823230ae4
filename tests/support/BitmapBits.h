// BitmapBits.h - bitmaps made from and read back as 32-bit pixels, for
// tests that compare images.
#pragma once

#include <windows.h>

#include <vector>

// The header of a top-down 32-bit DIB of width x height (0x00RRGGBB pixels).
BITMAPINFO TopDown32(int width, int height);

// A bitmap (compatible with the screen) of width x height from 0x00RRGGBB
// pixels, top row first; null on failure.
HBITMAP MakeBitmap32(int width, int height, const std::vector<DWORD>& pixels);

// The pixels of a bitmap as 0x00RRGGBB, top row first; empty on failure.
std::vector<DWORD> PixelsOf(HBITMAP bitmap);

// The size of a bitmap; (0, 0) when it is none.
SIZE BitmapSize(HBITMAP bitmap);
