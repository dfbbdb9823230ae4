// DrawTestSupport.cpp - bitmaps read back by their bits and metafile
// record counts for the drawing tests.
#include "DrawTestSupport.h"

#include "BitmapBits.h"

Bitmap32::Bitmap32(int cx, int cy, COLORREF fill) : m_cx(cx), m_cy(cy) {
    dc.CreateCompatibleDC(nullptr);
    BITMAPINFO info = TopDown32(cx, cy);
    void* bits = nullptr;
    m_bitmap.Attach(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_bits = static_cast<const DWORD*>(bits);
    m_pOld = dc.SelectObject(&m_bitmap);
    dc.FillSolidRect(0, 0, cx, cy, fill);
}

Bitmap32::~Bitmap32() { dc.SelectObject(m_pOld); }

COLORREF Bitmap32::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_cx || y >= m_cy) return CLR_INVALID;
    ::GdiFlush();
    const DWORD pixel = m_bits[y * m_cx + x];  // 0x00RRGGBB
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int Bitmap32::CountInRow(int y, int x, int count, COLORREF colour) const {
    int n = 0;
    for (int i = 0; i < count; ++i) n += At(x + i, y) == colour;
    return n;
}

namespace {
int CALLBACK CountFill(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM counter) {
    switch (record->iType) {
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW:
    case EMR_RECTANGLE:
    case EMR_BITBLT:
    case EMR_FILLRGN:
    case EMR_PAINTRGN:
        ++*reinterpret_cast<int*>(counter);
        break;
    default:
        break;
    }
    return 1;
}
}  // namespace

int CountMetafileFills(const std::function<void(CDC& dc)>& draw) {
    CDC dc;
    dc.Attach(::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr));
    draw(dc);
    HENHMETAFILE metafile = ::CloseEnhMetaFile(dc.Detach());
    int fills = 0;
    ::EnumEnhMetaFile(nullptr, metafile, &CountFill, &fills, nullptr);
    ::DeleteEnhMetaFile(metafile);
    return fills;
}
