// DrawTestSupport.h - what the drawing tests share: a white 32-bit bitmap
// to draw on and read back, and a count of the fills an enhanced metafile
// recorded.
#pragma once

#include "Vokit.h"

#include <functional>

// A memory context over a top-down 32-bit bitmap, read back from its bits.
class Bitmap32 {
public:
    Bitmap32(int cx, int cy, COLORREF fill = RGB(255, 255, 255));
    ~Bitmap32();
    Bitmap32(const Bitmap32&) = delete;
    Bitmap32& operator=(const Bitmap32&) = delete;

    COLORREF At(int x, int y) const;
    // The number of pixels of the row y, from x to x + count - 1, that
    // have the colour.
    int CountInRow(int y, int x, int count, COLORREF colour) const;

    CDC dc;

private:
    int m_cx;
    int m_cy;
    const DWORD* m_bits = nullptr;
    CBitmap m_bitmap;
    CBitmap* m_pOld = nullptr;
};

// The fill records (opaque text outputs, rectangles, pattern fills) that
// draw made in an enhanced metafile.
int CountMetafileFills(const std::function<void(CDC& dc)>& draw);
