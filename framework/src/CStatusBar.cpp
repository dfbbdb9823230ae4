// CStatusBar.cpp - the status bar: panes from indicator IDs, their texts
// and styles, layout, painting, idle updates and the size grip.
#include "CStatusBar.h"

#include "CCmdUI.h"
#include "CDC.h"
#include "CFrameWnd.h"

#include <algorithm>

namespace {
const int kPaneMargin = 3;  // between a pane's edge and its text, edge included
const int kPaneGap = 2;     // between two panes
const int kBarMargin = 2;   // above, below and left of the panes

// The update of one pane: Enable shows or hides its text, SetCheck raises
// its edge, SetText sets its text.
class CStatusCmdUI : public CCmdUI {
public:
    explicit CStatusCmdUI(CStatusBar* pBar) : m_pBar(pBar) {}
    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        UINT style = m_pBar->GetPaneStyle(static_cast<int>(m_nIndex)) & ~SBPS_DISABLED;
        m_pBar->SetPaneStyle(static_cast<int>(m_nIndex), bOn ? style : style | SBPS_DISABLED);
    }
    void SetCheck(int nCheck) override {
        UINT style = m_pBar->GetPaneStyle(static_cast<int>(m_nIndex)) & ~SBPS_POPOUT;
        m_pBar->SetPaneStyle(static_cast<int>(m_nIndex), nCheck ? style | SBPS_POPOUT : style);
    }
    void SetText(LPCSTR lpszText) override { m_pBar->SetPaneText(static_cast<int>(m_nIndex), lpszText); }

private:
    CStatusBar* m_pBar;
};
}  // namespace

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

CStatusBar::CStatusBar() : m_hFont(nullptr) { SetBorders(kBarMargin, kBarMargin, 0, kBarMargin); }

CStatusBar::~CStatusBar() = default;

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    ASSERT(pParentWnd && pParentWnd->m_hWnd);
    if (!pParentWnd || !pParentWnd->m_hWnd) return FALSE;
    return CWnd::Create(nullptr, nullptr, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

// --- panes -----------------------------------------------------------------------

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    ASSERT(nIDCount >= 0);
    m_panes.assign(static_cast<size_t>(std::max(nIDCount, 0)), Pane());
    BOOL bAllFound = TRUE;
    for (int i = 0; i < GetCount(); ++i) {
        Pane& pane = m_panes[static_cast<size_t>(i)];
        pane.nID = lpIDArray ? lpIDArray[i] : ID_SEPARATOR;
        if (pane.nID == ID_SEPARATOR) {
            if (i == 0) pane.nStyle = SBPS_NOBORDERS | SBPS_STRETCH;
            continue;
        }
        if (!pane.strText.LoadString(pane.nID)) bAllFound = FALSE;
        pane.cxText = MeasureText(pane.strText);
    }
    if (m_hWnd) Invalidate();
    return bAllFound;
}

BOOL CStatusBar::IsValidIndex(int nIndex) const {
    ASSERT(nIndex >= 0 && nIndex < GetCount());
    return nIndex >= 0 && nIndex < GetCount();
}

int CStatusBar::CommandToIndex(UINT nIDFind) const {
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[static_cast<size_t>(i)].nID == nIDFind) return i;
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const {
    return IsValidIndex(nIndex) ? m_panes[static_cast<size_t>(nIndex)].nID : ID_SEPARATOR;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const {
    ::SetRectEmpty(lpRect);
    if (!IsValidIndex(nIndex) || !m_hWnd) return;
    *lpRect = CalcPaneRects()[static_cast<size_t>(nIndex)];
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate) {
    if (!IsValidIndex(nIndex)) return FALSE;
    CString& text = m_panes[static_cast<size_t>(nIndex)].strText;
    CString newText(lpszNewText ? lpszNewText : "");
    if (text == newText) return TRUE;  // no flicker when unchanged
    text = newText;
    if (bUpdate) InvalidatePane(nIndex);
    return TRUE;
}

CString CStatusBar::GetPaneText(int nIndex) const {
    return IsValidIndex(nIndex) ? m_panes[static_cast<size_t>(nIndex)].strText : CString();
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
    nID = ID_SEPARATOR;
    nStyle = SBPS_NORMAL;
    cxWidth = 0;
    if (!IsValidIndex(nIndex)) return;
    const Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    nID = pane.nID;
    nStyle = pane.nStyle;
    cxWidth = pane.cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
    if (!IsValidIndex(nIndex)) return;
    Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = std::max(cxWidth, 0);
    if (m_hWnd) Invalidate();  // the panes after it move too
}

UINT CStatusBar::GetPaneStyle(int nIndex) const {
    return IsValidIndex(nIndex) ? m_panes[static_cast<size_t>(nIndex)].nStyle : SBPS_NORMAL;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
    if (!IsValidIndex(nIndex) || m_panes[static_cast<size_t>(nIndex)].nStyle == nStyle) return;
    // A change of stretching moves the other panes as well.
    BOOL bMovesOthers = ((m_panes[static_cast<size_t>(nIndex)].nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    m_panes[static_cast<size_t>(nIndex)].nStyle = nStyle;
    if (!m_hWnd) return;
    if (bMovesOthers)
        Invalidate();
    else
        InvalidatePane(nIndex);
}

void CStatusBar::InvalidatePane(int nIndex) {
    if (!m_hWnd) return;
    CRect rect;
    GetItemRect(nIndex, rect);
    InvalidateRect(rect);
}

// --- measuring and layout ----------------------------------------------------------

HFONT CStatusBar::GetPaneFont() const {
    return m_hFont ? m_hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

int CStatusBar::MeasureText(LPCSTR lpszText) const {
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOldFont = ::SelectObject(hDC, GetPaneFont());
    SIZE size = {0, 0};
    CString text(lpszText ? lpszText : "");
    ::GetTextExtentPoint32A(hDC, text, text.GetLength(), &size);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(nullptr, hDC);
    return size.cx;
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOldFont = ::SelectObject(hDC, GetPaneFont());
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(hDC, &metrics);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(nullptr, hDC);
    size.cy += metrics.tmHeight + 2 * kPaneMargin;
    if (!bStretch) {
        for (const Pane& pane : m_panes) size.cx += pane.cxText + 2 * kPaneMargin + kPaneGap;
    }
    return size;
}

CRect CStatusBar::GetGripRect() const {
    CRect client;
    GetClientRect(client);
    CFrameWnd* pFrame = GetParentFrame();
    if (!pFrame || !(pFrame->GetStyle() & WS_THICKFRAME) || pFrame->IsZoomed() || !(m_dwStyle & CBRS_ALIGN_BOTTOM))
        return CRect(0, 0, 0, 0);
    int side = std::min(client.Height(), ::GetSystemMetrics(SM_CXVSCROLL));
    return CRect(client.right - side, client.bottom - side, client.right, client.bottom);
}

std::vector<CRect> CStatusBar::CalcPaneRects() const {
    CRect client;
    GetClientRect(client);
    CRect grip = GetGripRect();
    int right = grip.IsRectEmpty() ? client.right : grip.left;

    // What the fixed panes take; the rest goes to the stretching panes.
    int fixed = 0;
    int stretching = 0;
    for (const Pane& pane : m_panes) {
        fixed += pane.cxText + 2 * kPaneMargin + kPaneGap;
        if (pane.nStyle & SBPS_STRETCH) ++stretching;
    }
    if (!m_panes.empty()) fixed -= kPaneGap;  // none after the last pane
    int extra = std::max(right - static_cast<int>(client.left) - fixed, 0);

    std::vector<CRect> rects;
    int x = client.left;
    for (const Pane& pane : m_panes) {
        int width = pane.cxText + 2 * kPaneMargin;
        if ((pane.nStyle & SBPS_STRETCH) && stretching > 0) {
            int share = extra / stretching;
            width += share;
            extra -= share;
            --stretching;
        }
        CRect rect(x, client.top, std::min(x + width, right), client.bottom);
        if (rect.right < rect.left) rect.right = rect.left;
        rects.push_back(rect);
        x += width + kPaneGap;
    }
    return rects;
}

// --- painting --------------------------------------------------------------------

void CStatusBar::DoPaint(CDC* pDC) {
    HGDIOBJ hOldFont = pDC->SelectObject(static_cast<HGDIOBJ>(GetPaneFont()));
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    std::vector<CRect> rects = CalcPaneRects();
    for (size_t i = 0; i < rects.size(); ++i) {
        CRect rect = rects[i];
        if (rect.IsRectEmpty()) continue;
        const Pane& pane = m_panes[i];
        if (!(pane.nStyle & SBPS_NOBORDERS))
            pDC->DrawEdge(rect, (pane.nStyle & SBPS_POPOUT) ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
        if (pane.nStyle & SBPS_DISABLED) continue;
        rect.DeflateRect(kPaneMargin, 0);
        pDC->DrawText(pane.strText, rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    CRect grip = GetGripRect();
    if (!grip.IsRectEmpty()) pDC->DrawFrameControl(grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    pDC->SelectObject(hOldFont);
}

void CStatusBar::OnSize(UINT nType, int cx, int cy) {
    CControlBar::OnSize(nType, cx, cy);
    Invalidate();  // the stretching panes and the grip move
}

LRESULT CStatusBar::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_hFont = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(lParam)) Invalidate();
    return 0;
}

LRESULT CStatusBar::OnGetFont(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hFont); }

// --- idle updates and the size grip ----------------------------------------------------

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) {
    CStatusCmdUI state(this);
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = m_panes[static_cast<size_t>(i)].nID;
        // Indicators stay as they are when nobody updates them.
        state.DoUpdate(pTarget, FALSE);
    }
}

BOOL CStatusBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (nHitTest == HTCLIENT && GetGripRect().PtInRect(point)) {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZENWSE));
        return TRUE;
    }
    return CControlBar::OnSetCursor(pWnd, nHitTest, message);
}

void CStatusBar::OnLButtonDown(UINT nFlags, CPoint point) {
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame && GetGripRect().PtInRect(point)) {
        // The frame sizes itself from its bottom-right corner.
        ClientToScreen(&point);
        pFrame->SendMessage(WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, MAKELPARAM(point.x, point.y));
        return;
    }
    CControlBar::OnLButtonDown(nFlags, point);
}
