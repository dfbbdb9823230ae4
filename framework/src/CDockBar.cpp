// CDockBar.cpp - the strips that hold docked control bars in rows, and the
// holder inside a floating frame.
#include "CDockBar.h"

#include "CFrameWnd.h"

#include <algorithm>
#include <vector>

namespace {
// One bar's place in a dock bar, measured along the rows and in depth from
// the frame's edge.
struct BarPlacement {
    CControlBar* pBar;
    int along;
    int depth;
    int length;
    int thickness;
};
}  // namespace

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating), m_pLayout(nullptr) {}

CDockBar::~CDockBar() {
    // Bars still docked here outlive the strip: they forget it.
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        auto* pBar = static_cast<CControlBar*>(m_arrBars[i]);
        if (pBar && pBar->m_pDockBar == this) pBar->m_pDockBar = nullptr;
    }
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CWnd::Create(nullptr, nullptr, dwStyle | WS_CHILD | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int CDockBar::GetDockedCount() const {
    int count = 0;
    for (int i = 0; i < m_arrBars.GetSize(); ++i)
        if (m_arrBars[i]) ++count;
    return count;
}

int CDockBar::GetDockedVisibleCount() const {
    int count = 0;
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        auto* pBar = static_cast<CControlBar*>(m_arrBars[i]);
        if (pBar && pBar->IsVisible()) ++count;
    }
    return count;
}

CControlBar* CDockBar::GetDockedControlBar(int nPos) const {
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        if (m_arrBars[i] && nPos-- == 0) return static_cast<CControlBar*>(m_arrBars[i]);
    }
    return nullptr;
}

void CDockBar::CompactRows() {
    for (int i = 0; i < m_arrBars.GetSize();) {
        BOOL isBreak = m_arrBars[i] == nullptr;
        BOOL redundant = isBreak && (i == 0 || m_arrBars[i - 1] == nullptr);
        if (redundant)
            m_arrBars.RemoveAt(i);
        else
            ++i;
    }
    if (m_arrBars.GetSize() > 0 && m_arrBars[m_arrBars.GetSize() - 1] != nullptr)
        m_arrBars.Add(static_cast<void*>(nullptr));
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar) {
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        if (m_arrBars[i] != pBar) continue;
        m_arrBars.RemoveAt(i);
        CompactRows();
        if (pBar->m_pDockBar == this) pBar->m_pDockBar = nullptr;
        if (m_pDockSite) m_pDockSite->DelayRecalcLayout();
        return TRUE;
    }
    return FALSE;
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect) {
    ASSERT(pBar && pBar->m_hWnd);
    if (!pBar || !pBar->m_hWnd) return;
    if (pBar->m_pDockBar) pBar->m_pDockBar->RemoveControlBar(pBar);

    BOOL bHorz = IsHorzDock() || m_bFloating;
    int overlap = m_bFloating ? 0 : afxData.cxBorder2;
    CPoint place(-overlap, -overlap);
    int nInsert = -1;  // index of the entry to insert before
    BOOL bNewRow = TRUE;
    if (lpRect && !m_bFloating) {
        CRect rect(lpRect);
        ScreenToClient(&rect);
        place = rect.TopLeft();
        int centre = bHorz ? (rect.top + rect.bottom) / 2 : (rect.left + rect.right) / 2;
        int along = bHorz ? rect.left : rect.top;
        BOOL mirrored = (m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT)) != 0;
        for (int rowStart = 0; rowStart < m_arrBars.GetSize() && nInsert < 0;) {
            int rowEnd = rowStart;
            int bandFrom = INT_MAX, bandTo = INT_MIN;
            for (; m_arrBars[rowEnd]; ++rowEnd) {
                CRect barRect;
                static_cast<CControlBar*>(m_arrBars[rowEnd])->GetWindowRect(&barRect);
                ScreenToClient(&barRect);
                bandFrom = std::min<int>(bandFrom, bHorz ? barRect.top : barRect.left);
                bandTo = std::max<int>(bandTo, bHorz ? barRect.bottom : barRect.right);
            }
            if (centre >= bandFrom && centre < bandTo) {
                // Into this row, before the first bar that starts further along.
                nInsert = rowEnd;
                for (int i = rowStart; i < rowEnd; ++i) {
                    CRect barRect;
                    static_cast<CControlBar*>(m_arrBars[i])->GetWindowRect(&barRect);
                    ScreenToClient(&barRect);
                    if ((bHorz ? barRect.left : barRect.top) > along) {
                        nInsert = i;
                        break;
                    }
                }
                bNewRow = FALSE;
            } else if (mirrored ? centre >= bandTo : centre < bandFrom) {
                nInsert = rowStart;  // a new row nearer the frame's edge
            }
            rowStart = rowEnd + 1;
        }
    }
    if (nInsert < 0) nInsert = m_arrBars.GetSize();
    if (bNewRow) m_arrBars.InsertAt(nInsert, static_cast<void*>(nullptr));
    m_arrBars.InsertAt(nInsert, pBar);
    CompactRows();

    // The bar takes this side's orientation and lives in this window.
    pBar->m_dwStyle = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY) |
                      (m_bFloating ? CBRS_FLOATING : 0);
    pBar->m_pDockBar = this;
    if (!pBar->m_hWndOwner && pBar->m_pDockSite) pBar->SetOwner(pBar->m_pDockSite);
    if (::GetParent(pBar->m_hWnd) != m_hWnd) ::SetParent(pBar->m_hWnd, m_hWnd);
    pBar->SetWindowPos(nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (m_pDockSite) m_pDockSite->DelayRecalcLayout();
}

CSize CDockBar::LayoutBars(int nLength, BOOL bMove) {
    BOOL bHorz = IsHorzDock() || m_bFloating;
    int overlap = m_bFloating ? 0 : afxData.cxBorder2;
    AFX_SIZEPARENTPARAMS query = {};
    query.bQuery = TRUE;
    AFX_SIZEPARENTPARAMS* lpLayout = bMove && m_pLayout ? m_pLayout : &query;

    std::vector<BarPlacement> placed;
    int depth = -overlap;
    int extent = 0;
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        int along = -overlap;
        int rowThickness = 0;
        for (; i < m_arrBars.GetSize() && m_arrBars[i]; ++i) {
            auto* pBar = static_cast<CControlBar*>(m_arrBars[i]);
            if (!(pBar->RecalcDelayShow(lpLayout) & WS_VISIBLE)) continue;
            CSize size;
            if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) {
                DWORD mode = m_bFloating ? LM_HORZ | LM_MRUWIDTH : bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK;
                size = pBar->CalcDynamicLayout(-1, mode);
            } else {
                size = pBar->CalcFixedLayout(FALSE, bHorz);
            }
            int length = bHorz ? size.cx : size.cy;
            int thickness = bHorz ? size.cy : size.cx;
            // A bar keeps its place along the row while it fits there.
            CRect current;
            pBar->GetWindowRect(&current);
            ScreenToClient(&current);
            int preferred = bHorz ? current.left : current.top;
            if (preferred + length > nLength + overlap) preferred = nLength + overlap - length;
            if (preferred > along) along = preferred;
            placed.push_back({pBar, along, depth, length, thickness});
            along += length - overlap;
            if (along + overlap > extent) extent = along + overlap;
            if (thickness > rowThickness) rowThickness = thickness;
        }
        if (rowThickness > 0) depth += rowThickness - overlap;
    }
    int total = placed.empty() ? 0 : depth + overlap;

    if (bMove && m_pLayout) {
        BOOL mirrored = (m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT)) && !m_bFloating;
        for (const BarPlacement& p : placed) {
            int d = mirrored ? total - (p.depth + p.thickness) : p.depth;
            CRect rect = bHorz ? CRect(p.along, d, p.along + p.length, d + p.thickness)
                               : CRect(d, p.along, d + p.thickness, p.along + p.length);
            AfxRepositionWindow(m_pLayout, p.pBar->m_hWnd, &rect);
        }
    }
    return CSize(extent, total);
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    (void)bHorz;
    CRect rect;
    GetWindowRect(&rect);
    BOOL bHorzDock = IsHorzDock() || m_bFloating;
    int length = bHorzDock ? rect.Width() : rect.Height();
    CSize used = LayoutBars(length, m_pLayout && !m_pLayout->bQuery);
    int thickness = used.cy;
    if (m_bFloating) return used;  // exactly as large as its bar
    if (bStretch) length = 32767;
    return bHorzDock ? CSize(length, thickness) : CSize(thickness, length);
}

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam) {
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!lpLayout->bQuery && !m_bFloating) {
        // The strip is as long as the free side: set that first, so that
        // bars that measure themselves by the strip see its new length.
        CRect rect;
        GetWindowRect(&rect);
        CRect avail(lpLayout->rect);
        int width = IsHorzDock() ? avail.Width() : rect.Width();
        int height = IsHorzDock() ? rect.Height() : avail.Height();
        if (width != rect.Width() || height != rect.Height())
            SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_pLayout = lpLayout;
    LRESULT result = CControlBar::OnSizeParent(wParam, lParam);
    m_pLayout = nullptr;
    return result;
}

void CDockBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    // The docked bars update themselves on their own idle message.
    (void)pTarget;
    (void)bDisableIfNoHndler;
}
