// ListCtrlExDraw.cpp - CListCtrlEx: how a row is drawn (highlight, tint,
// icons, fixed columns and grid, colour prefixes, cut texts).
#include "ListCtrlEx.h"

#include <algorithm>

namespace {
// Both text buffers hold this many bytes with the terminator; longer texts
// are cut to fit. They are shared by every list: drawing is not reentrant.
const int kTextBufferSize = 260;
char g_szRowText[kTextBufferSize];
char g_szShortText[kTextBufferSize];

const char kThreeDots[] = "...";
const int kThreeDotsLength = 3;
// Space between a cell's edges and its text, in report view and otherwise.
const int kTextMargin = 6;
const int kTextMarginOtherViews = 2;
// What MakeShortString keeps free besides the text, per column kind.
const int kFirstColumnOffset = 4;
const int kOtherColumnOffset = 12;
const int kIconSize = 16;
const UINT kTextFlags = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_VCENTER;

int TextWidth(CDC* pDC, const char* pszText, int nLength) { return pDC->GetTextExtent(pszText, nLength).cx; }

// Length of the double-byte-safe prefix of pszText that ends at or before
// nMax bytes.
int CharBoundaryAtOrBefore(const char* pszText, int nMax) {
    int nPos = 0;
    while (pszText[nPos]) {
        const bool bDouble = ::IsDBCSLeadByte(static_cast<BYTE>(pszText[nPos])) && pszText[nPos + 1];
        const int nNext = nPos + (bDouble ? 2 : 1);
        if (nNext > nMax) break;
        nPos = nNext;
    }
    return nPos;
}

// The previous character boundary before nPos in pszText (0 at the start).
int PreviousCharBoundary(const char* pszText, int nPos) { return CharBoundaryAtOrBefore(pszText, nPos - 1); }
}  // namespace

// Cuts at whole characters only, so that no lead byte of a double-byte
// character is left standing before the dots. The first character always
// stays; a text of one character gets the dots without being cut.
const char* CListCtrlEx::MakeShortString(CDC* pDC, const char* pszLong, int nColumnLen, int nOffset) {
    if (!pszLong) return "";
    const int nLength = AfxSizeToInt(strlen(pszLong));
    if (nLength == 0 || TextWidth(pDC, pszLong, nLength) + nOffset <= nColumnLen) return pszLong;

    // At most this many bytes of text precede the dots in the buffer.
    const int nRoom = kTextBufferSize - 1 - kThreeDotsLength;
    const int nFirstChar = (::IsDBCSLeadByte(static_cast<BYTE>(pszLong[0])) && pszLong[1]) ? 2 : 1;
    int n = CharBoundaryAtOrBefore(pszLong, nLength - 1 < nRoom ? nLength - 1 : nRoom);
    if (n < nFirstChar) n = nFirstChar;
    memcpy(g_szShortText, pszLong, static_cast<size_t>(n));
    g_szShortText[n] = '\0';
    const int cxDots = TextWidth(pDC, kThreeDots, kThreeDotsLength);  // the dots only, no terminator
    while (n > nFirstChar && TextWidth(pDC, g_szShortText, n) + cxDots + nOffset > nColumnLen) {
        n = PreviousCharBoundary(pszLong, n);
        g_szShortText[n] = '\0';
    }
    memcpy(g_szShortText + n, kThreeDots, sizeof kThreeDots);
    return g_szShortText;
}

// A colour prefix is "{r,g,b}" at the very start, with its closing brace
// within the parse buffer; anything else is ordinary text.
COLORREF CListCtrlEx::GetStringColor(CDC* pDC, char* pszText) {
    const COLORREF clrCurrent = pDC->GetTextColor();
    if (!pszText || pszText[0] != '{') return clrCurrent;

    char szPrefix[kTextBufferSize];
    int nLength = 0;
    const char* p = pszText + 1;
    while (*p && *p != '}' && nLength < kTextBufferSize - 2) {
        bool bDouble = ::IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1];
        szPrefix[nLength++] = *p++;
        if (bDouble) szPrefix[nLength++] = *p++;
    }
    szPrefix[nLength] = '\0';
    if (*p != '}') return clrCurrent;

    int nRed = 0;
    int nGreen = 0;
    int nBlue = 0;
    if (sscanf(szPrefix, "%i,%i,%i", &nRed, &nGreen, &nBlue) != 3) return clrCurrent;
    memmove(pszText, p + 1, strlen(p + 1) + 1);
    return RGB(nRed & 0xFF, nGreen & 0xFF, nBlue & 0xFF);
}

UINT CListCtrlEx::AtoDTA(UINT nFormat) {
    if (nFormat == 1) return DT_RIGHT;
    if (nFormat == 2) return DT_CENTER;
    return DT_LEFT;
}

// Invalidates the row with the focus and (unless they show always) the
// selected rows, so that their highlight follows the focus.
void CListCtrlEx::RepaintSelectedItems() {
    auto invalidateRow = [this](int nItem) {
        CRect rcBounds;
        CRect rcLabel;
        GetItemRect(nItem, rcBounds, LVIR_BOUNDS);
        GetItemRect(nItem, rcLabel, LVIR_LABEL);
        rcBounds.left = rcLabel.left;
        InvalidateRect(rcBounds, FALSE);
    };
    int nFocused = GetNextItem(-1, LVNI_FOCUSED);
    if (nFocused != -1) invalidateRow(nFocused);
    if (!(GetStyle() & LVS_SHOWSELALWAYS)) {
        // Only rows in view show their highlight, whatever the number of
        // selected rows: the others have nothing to repaint.
        const int nTop = GetTopIndex();
        const int nEnd = std::min(GetItemCount(), nTop + GetCountPerPage() + 1);  // with a row cut at the bottom
        for (int nItem = nTop; nItem < nEnd; ++nItem) {
            if (GetItemState(nItem, LVIS_SELECTED) & LVIS_SELECTED) invalidateRow(nItem);
        }
    }
    UpdateWindow();
}

// A fixed column looks like a button; the grid only frames the cell.
void CListCtrlEx::FrameCell(CDC* pDC, const CRect& rcCell, BOOL bFill) {
    CRect rcFrame(rcCell);
    rcFrame.OffsetRect(-1, 0);
    rcFrame.left -= 2;
    if (bFill) pDC->FillSolidRect(rcFrame, ::GetSysColor(COLOR_BTNFACE));
    COLORREF clrTopLeft = ::GetSysColor(IsWindowEnabled() ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE);
    pDC->Draw3dRect(rcFrame, clrTopLeft, ::GetSysColor(COLOR_BTNSHADOW));
}

// The state image and the small image of a row; cut rows and selected rows
// blend them half with the background or the highlight.
void CListCtrlEx::DrawIcons(CDC* pDC, const LVITEMA& item, const CRect& rcItem, BOOL bSelected) {
    COLORREF clrBlend = m_clrListBk;
    UINT nStyle = ILD_TRANSPARENT;
    if (item.state & LVIS_CUT) {
        nStyle |= ILD_BLEND50;
    } else if (bSelected) {
        clrBlend = ::GetSysColor(COLOR_HIGHLIGHT);
        nStyle |= ILD_BLEND50;
    }

    const int nStateImage = static_cast<int>((item.state & LVIS_STATEIMAGEMASK) >> 12);
    if (nStateImage != 0) {
        HIMAGELIST hState = reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, LVSIL_STATE));
        if (hState) ImageList_Draw(hState, nStateImage - 1, pDC->m_hDC, rcItem.left, rcItem.top, ILD_TRANSPARENT);
    }

    HIMAGELIST hSmall = reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL));
    if (hSmall && rcItem.left < rcItem.right - 1) {
        CRect rcIcon;
        GetItemRect(item.iItem, rcIcon, LVIR_ICON);
        // Never more than one image: a list of narrower images (such as the
        // one-pixel row-height images) would otherwise paint its neighbours.
        int cx = kIconSize;
        int cy = kIconSize;
        int cxImage = 0;
        int cyImage = 0;
        if (ImageList_GetIconSize(hSmall, &cxImage, &cyImage)) {
            if (cxImage < cx) cx = cxImage;
            if (cyImage < cy) cy = cyImage;
        }
        ImageList_DrawEx(hSmall, item.iImage, pDC->m_hDC, rcIcon.left, rcIcon.top, cx, cy, m_clrListBk, clrBlend,
                         nStyle | (item.state & LVIS_OVERLAYMASK));
    }
}

void CListCtrlEx::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (!lpDrawItemStruct) return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int nItem = static_cast<int>(lpDrawItemStruct->itemID);
    const CRect rcItem(lpDrawItemStruct->rcItem);
    const int nSavedDC = pDC->SaveDC();
    // Texts never paint their own background over the fills below.
    pDC->SetBkMode(TRANSPARENT);

    // 1. the row: column 0 text, image, every state bit
    LVITEMA item = {};
    item.mask = LVIF_IMAGE | LVIF_STATE;
    item.iItem = nItem;
    item.stateMask = 0xFFFF;
    GetItem(&item);
    GetItemText(nItem, 0, g_szRowText, kTextBufferSize);
    const BOOL bFocus = ::GetFocus() == m_hWnd;
    const BOOL bSelected = ((bFocus || (GetStyle() & LVS_SHOWSELALWAYS)) && (item.state & LVIS_SELECTED)) ||
                           (item.state & LVIS_DROPHILITED);

    // 2. the row rectangle starts at the first column's label
    CRect rcBounds;
    CRect rcLabel;
    GetItemRect(nItem, rcBounds, LVIR_BOUNDS);
    GetItemRect(nItem, rcLabel, LVIR_LABEL);
    CRect rcRow(rcBounds);
    rcRow.left = rcLabel.left;

    // 3. and 4. background and tint
    if (bSelected) {
        pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        pDC->FillSolidRect(rcRow, ::GetSysColor(COLOR_HIGHLIGHT));
    } else {
        pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
        pDC->FillSolidRect(rcRow, IsWindowEnabled() ? m_clrCellBk : ::GetSysColor(COLOR_BTNFACE));
        if (m_bIntervalLine && nItem % 2 == 1) pDC->FillSolidRect(rcRow, m_clrIntervalLine);
    }

    // 5. icons
    DrawIcons(pDC, item, rcItem, bSelected);

    // 6. to 8. the first column; its colour prefix counts on selected rows too
    CRect rcCell(rcLabel);
    rcCell.right -= m_cxStateImage;
    COLORREF clrPrevious = pDC->SetTextColor(GetStringColor(pDC, g_szRowText));
    const char* pszText = MakeShortString(pDC, g_szRowText, rcCell.Width(), kFirstColumnOffset);
    UINT nAlign = DT_LEFT;
    if (pszText == g_szRowText && m_pColInfo && m_nColInfo > 0)
        nAlign = AtoDTA(static_cast<UINT>(m_pColInfo[0].nFormat));
    CRect rcText(rcCell);
    const int nMargin = GetViewType() == LVS_REPORT ? kTextMargin : kTextMarginOtherViews;
    rcText.DeflateRect(nMargin, 0);
    if (m_nFixedCols != 0 || m_bGrid) FrameCell(pDC, rcCell, m_nFixedCols != 0);
    pDC->DrawText(pszText, -1, rcText, kTextFlags | nAlign);
    pDC->SetTextColor(clrPrevious);

    // 9. the other columns
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    for (int nCol = 1; GetColumn(nCol, &column); ++nCol) {
        rcCell.left = rcCell.right;
        rcCell.right += column.cx;
        GetItemText(nItem, nCol, g_szRowText, kTextBufferSize);
        if (nCol < m_nFixedCols || m_bGrid) FrameCell(pDC, rcCell, nCol < m_nFixedCols);
        if (g_szRowText[0] == '\0') continue;
        // A selected row keeps its highlight colour; the prefix is hidden.
        COLORREF clrText = GetStringColor(pDC, g_szRowText);
        clrPrevious = bSelected ? pDC->GetTextColor() : pDC->SetTextColor(clrText);
        pszText = MakeShortString(pDC, g_szRowText, rcCell.Width(), kOtherColumnOffset);
        const UINT nFormat = static_cast<UINT>(column.fmt & LVCFMT_JUSTIFYMASK);
        nAlign = pszText == g_szRowText ? AtoDTA(nFormat) : DT_LEFT;
        rcText = rcCell;
        rcText.DeflateRect(kTextMargin, 0);
        pDC->DrawText(pszText, -1, rcText, kTextFlags | nAlign);
        pDC->SetTextColor(clrPrevious);
    }

    // 10. and 11. focus, then the colours as they were
    if ((item.state & LVIS_FOCUSED) && bFocus) pDC->DrawFocusRect(rcRow);
    pDC->RestoreDC(nSavedDC);
}
