// LxBase.cpp - the ready-to-use extended list.
#include "LxBase.h"

#include "VokitRes.h"

namespace {
const UINT kEditID = 122;
const UINT kCalcEditID = 123;
const UINT kComboID = 124;
// The transparent colour of the row-height images.
const COLORREF kMaskColor = RGB(255, 0, 0);
}  // namespace

BEGIN_MESSAGE_MAP(CLxBase, CListCtrlEx)
END_MESSAGE_MAP()

CLxBase::CLxBase() : CListCtrlEx(kEditID, kCalcEditID, kComboID) {}

CLxBase::~CLxBase() = default;

void CLxBase::PreSubclassWindow() {
    if (m_imageList.Create(IDB_LX_ROW_HEIGHT, 1, 0, kMaskColor)) SetImageList(&m_imageList, LVSIL_SMALL);
    CListCtrlEx::PreSubclassWindow();
}
