// CDCTracking.cpp - CDC's size conversions and the inverted frames that
// trackers and drag rectangles are drawn with.
#include "CDC.h"

#include <cstdlib>

namespace {
// Scales one extent by the ratio of two extents (signs ignored).
LONG Scale(LONG value, int numerator, int denominator) {
    if (denominator == 0) return value;
    return ::MulDiv(value, std::abs(numerator), std::abs(denominator));
}

// Inverts the frame of rect that is size thick.
void InvertFrame(HDC hDC, const RECT& rect, SIZE size, HBRUSH hBrush) {
    if (size.cx <= 0 && size.cy <= 0) return;
    if (::IsRectEmpty(&rect)) return;
    HGDIOBJ old = ::SelectObject(hDC, hBrush);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int cx = size.cx < width ? size.cx : width;
    int cy = size.cy < height ? size.cy : height;
    ::PatBlt(hDC, rect.left, rect.top, width, cy, PATINVERT);                       // top
    ::PatBlt(hDC, rect.left, rect.bottom - cy, width, cy, PATINVERT);               // bottom
    ::PatBlt(hDC, rect.left, rect.top + cy, cx, height - 2 * cy, PATINVERT);        // left
    ::PatBlt(hDC, rect.right - cx, rect.top + cy, cx, height - 2 * cy, PATINVERT);  // right
    ::SelectObject(hDC, old);
}
}  // namespace

void CDC::LPtoDP(LPSIZE lpSize) const {
    SIZE vp, win;
    ::GetViewportExtEx(m_hAttribDC, &vp);
    ::GetWindowExtEx(m_hAttribDC, &win);
    lpSize->cx = Scale(lpSize->cx, vp.cx, win.cx);
    lpSize->cy = Scale(lpSize->cy, vp.cy, win.cy);
}

void CDC::DPtoLP(LPSIZE lpSize) const {
    SIZE vp, win;
    ::GetViewportExtEx(m_hAttribDC, &vp);
    ::GetWindowExtEx(m_hAttribDC, &win);
    lpSize->cx = Scale(lpSize->cx, win.cx, vp.cx);
    lpSize->cy = Scale(lpSize->cy, win.cy, vp.cy);
}

CBrush* PASCAL CDC::GetHalftoneBrush() {
    static CBrush brush;
    if (!brush.m_hObject) {
        WORD pattern[8];
        for (int i = 0; i < 8; ++i) pattern[i] = static_cast<WORD>(0x5555 << (i & 1));
        HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
        if (hBitmap) {
            brush.Attach(::CreatePatternBrush(hBitmap));
            ::DeleteObject(hBitmap);  // the brush keeps its own copy
        }
    }
    return &brush;
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush,
                       CBrush* pBrushLast) {
    CBrush* halftone = GetHalftoneBrush();
    if (!pBrush) pBrush = halftone;
    if (!pBrushLast) pBrushLast = pBrush;
    if (lpRectLast) InvertFrame(m_hDC, *lpRectLast, sizeLast, static_cast<HBRUSH>(pBrushLast->m_hObject));
    if (lpRect) InvertFrame(m_hDC, *lpRect, size, static_cast<HBRUSH>(pBrush->m_hObject));
}
