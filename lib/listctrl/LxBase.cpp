// LxBase.cpp - the ready-to-use extended list.
#include "LxBase.h"

namespace {
const UINT kEditID = 122;
const UINT kCalcEditID = 123;
const UINT kComboID = 124;
// The library's bitmap of the row-height images (1 x 16, red = transparent).
const UINT kRowHeightBitmap = 150;
const COLORREF kMaskColor = 0x000000FF;
}  // namespace

BEGIN_MESSAGE_MAP(CLxBase, CListCtrlEx)
END_MESSAGE_MAP()

CLxBase::CLxBase() : CListCtrlEx(kEditID, kCalcEditID, kComboID) {}

CLxBase::~CLxBase() = default;

void CLxBase::PreSubclassWindow() {
    if (m_imageList.Create(kRowHeightBitmap, 1, 0, kMaskColor)) SetImageList(&m_imageList, LVSIL_SMALL);
    CListCtrlEx::PreSubclassWindow();
}
