// LxBase.cpp - the ready-to-use extended list.
#include "LxBase.h"

#include "VoDpi.h"
#include "VokitRes.h"

namespace {
const UINT kEditID = 122;
const UINT kCalcEditID = 123;
const UINT kComboID = 124;
// The transparent colour of the row-height images.
const COLORREF kMaskColor = RGB(255, 0, 0);

// The row-height images into images: one transparent image that keeps the
// rows as high as the resource on a 96-DPI screen, made taller to match on
// finer screens (the text of the rows grows with the DPI).
bool MakeRowHeightImages(CImageList& images) {
    const int dpi = _GetScreenDpi();
    if (dpi == VO_DESIGN_DPI) return images.Create(IDB_LX_ROW_HEIGHT, 1, 0, kMaskColor) != FALSE;
    CBitmap design;
    BITMAP info = {};
    if (!design.LoadBitmap(IDB_LX_ROW_HEIGHT) || !design.GetBitmap(&info)) return false;
    const int height = _ScaleDpi(info.bmHeight, dpi);
    CBitmap scaled;
    scaled.Attach(_ScaleBitmap(static_cast<HBITMAP>(design.m_hObject), info.bmWidth, height));
    return scaled.m_hObject && images.Create(info.bmWidth, height, ILC_COLOR24 | ILC_MASK, 1, 0) &&
           images.Add(&scaled, kMaskColor) >= 0;
}
}  // namespace

BEGIN_MESSAGE_MAP(CLxBase, CListCtrlEx)
END_MESSAGE_MAP()

CLxBase::CLxBase() : CListCtrlEx(kEditID, kCalcEditID, kComboID) {}

CLxBase::~CLxBase() = default;

void CLxBase::PreSubclassWindow() {
    if (MakeRowHeightImages(m_imageList)) SetImageList(&m_imageList, LVSIL_SMALL);
    CListCtrlEx::PreSubclassWindow();
}
