// AttachFormWndHelper.cpp - the attachment model bound to one window.
#include "AttachFormWndHelper.h"

namespace {

// Converts a rectangle from screen to hWnd's client coordinates.
void ScreenRectToClient(HWND hWnd, RECT* pRect) {
    ::ScreenToClient(hWnd, reinterpret_cast<POINT*>(&pRect->left));
    ::ScreenToClient(hWnd, reinterpret_cast<POINT*>(&pRect->right));
}

// The rectangle of child control nID of hParent in hParent's client
// coordinates, and the control's handle; null when there is no such control.
HWND GetControlRect(HWND hParent, UINT nID, RECT* pRect) {
    HWND hCtrl = ::GetDlgItem(hParent, static_cast<int>(nID));
    if (!hCtrl) return nullptr;
    ::GetWindowRect(hCtrl, pRect);
    ScreenRectToClient(hParent, pRect);
    return hCtrl;
}

// One control move of a resize.
struct ControlMove {
    HWND hWnd;
    RECT rcOld;
    RECT rc;
    UINT nFlags;
};

// The move that brings control nID of hParent to rcNew; FALSE when the
// control does not exist or already sits there. Unchanged position or size
// are flagged, so that the control is not asked to redo them.
BOOL PrepareMove(HWND hParent, UINT nID, const RECT& rcNew, ControlMove* pMove) {
    RECT rcNow;
    HWND hCtrl = GetControlRect(hParent, nID, &rcNow);
    if (!hCtrl || ::EqualRect(&rcNow, &rcNew)) return FALSE;
    pMove->hWnd = hCtrl;
    pMove->rcOld = rcNow;
    pMove->rc = rcNew;
    pMove->nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (rcNow.left == rcNew.left && rcNow.top == rcNew.top) pMove->nFlags |= SWP_NOMOVE;
    if (rcNow.right - rcNow.left == rcNew.right - rcNew.left && rcNow.bottom - rcNow.top == rcNew.bottom - rcNew.top) {
        pMove->nFlags |= SWP_NOSIZE;
    }
    return TRUE;
}

// The client area that the controls of one resize left and took, as one
// region of the helper window. Without the resources for a region, the
// whole client area stands for it.
class CMovedArea {
public:
    CMovedArea() : m_hRgn(::CreateRectRgn(0, 0, 0, 0)), m_bAny(false) {}
    ~CMovedArea() {
        if (m_hRgn) ::DeleteObject(m_hRgn);
    }
    CMovedArea(const CMovedArea&) = delete;
    CMovedArea& operator=(const CMovedArea&) = delete;

    void Add(const ControlMove& move) {
        m_bAny = true;
        AddRect(move.rcOld);
        AddRect(move.rc);
    }

    // Erases and repaints the area now: the helper window's background
    // (clipped as its erase handler clips it), then each child window in it.
    void Repaint(HWND hHelper) {
        if (!m_bAny) return;
        ::RedrawWindow(hHelper, nullptr, m_hRgn, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }

private:
    void AddRect(const RECT& rc) {
        if (!m_hRgn) return;
        HRGN hRect = ::CreateRectRgnIndirect(&rc);
        if (!hRect || ::CombineRgn(m_hRgn, m_hRgn, hRect, RGN_OR) == ERROR) {
            ::DeleteObject(m_hRgn);
            m_hRgn = nullptr;  // RedrawWindow then takes the whole client area
        }
        if (hRect) ::DeleteObject(hRect);
    }

    HRGN m_hRgn;
    bool m_bAny;
};

// A group box hides the background only under its frame: strips of this
// width along its left, right and bottom sides, the sides starting below
// its caption line.
const int kGroupFrame = 2;
const int kGroupCaption = 10;

}  // namespace

CAttachFormWndHelper::CAttachFormWndHelper()
    : m_nMaxCX(0), m_nMaxCY(0), m_nMinCX(0), m_nMinCY(0), m_bClipMode(TRUE), m_pHelperWnd(nullptr) {}

CAttachFormWndHelper::~CAttachFormWndHelper() = default;

void CAttachFormWndHelper::SetHelperWnd(CWnd* pWnd) { m_pHelperWnd = pWnd; }

HWND CAttachFormWndHelper::GetHelperHwnd() const {
    HWND hWnd = m_pHelperWnd ? m_pHelperWnd->GetSafeHwnd() : nullptr;
    return hWnd && ::IsWindow(hWnd) ? hWnd : nullptr;
}

BOOL CAttachFormWndHelper::RecordControlRect(UINT nID) {
    HWND hHelper = GetHelperHwnd();
    RECT rc;
    if (!hHelper || !GetControlRect(hHelper, nID, &rc)) return FALSE;
    return SetRect(nID, &rc);
}

int CAttachFormWndHelper::SetVaAttach(UINT nID, ...) {
    va_list args;
    va_start(args, nID);
    int nResult = SetValistAttach(nID, args);
    va_end(args);
    return nResult;
}

int CAttachFormWndHelper::SetValistAttach(UINT nID, const char* pArgs) {
    if (!RecordControlRect(nID)) return 0;
    return CAttachForm::SetValistAttach(nID, pArgs);
}

int CAttachFormWndHelper::SetAttach(UINT nID, const CAttachArg* pArgs, int nCount) {
    if (!RecordControlRect(nID)) return 0;
    return CAttachForm::SetAttach(nID, pArgs, nCount);
}

// A referenced control that the helper window lacks stays unregistered;
// realizing then fails on it.
int CAttachFormWndHelper::RealizeAttach() {
    HWND hHelper = GetHelperHwnd();
    if (!hHelper) {
        m_bRealized = FALSE;
        return 0;
    }
    RECT rcClient;
    ::GetClientRect(hHelper, &rcClient);
    SetSize(rcClient.right - rcClient.left, rcClient.bottom - rcClient.top);

    // Entries appended here are visited too (their references are all 0).
    for (int i = 0; i < m_nEntryCount; ++i) {
        for (int nEdge = 0; nEdge < 4; ++nEdge) {
            const UINT nRefID = m_arrEntry[i].nRefID[nEdge];
            if (nRefID != 0 && FindID(nRefID) < 0) RecordControlRect(nRefID);
        }
    }
    return CAttachForm::RealizeAttach();
}

int CAttachFormWndHelper::Resize(int cx, int cy) {
    if (!CAttachForm::Resize(cx, cy)) return 0;
    MoveControls();
    return 1;
}

// All moves go in one deferred batch. Should the system lack the resources
// for the batch, the controls are moved one by one instead (a failed batch
// is dropped as a whole, so every move is made again).
//
// Moving a control repaints only the control and the background it left.
// That is not enough here: a group box draws no background of its own, so
// its old frame lines stay inside it; controls that overlap a moved one
// (a check box on a group box's top line, the children of a composite
// field) are painted over by it and not repainted. So the area that every
// moved control left and the area it took are repainted as a whole: the
// window's background first, then every control there, each after the
// window it lies on.
void CAttachFormWndHelper::MoveControls() {
    HWND hHelper = GetHelperHwnd();
    if (!hHelper) return;

    CMovedArea moved;
    ControlMove move;
    HDWP hdwp = ::BeginDeferWindowPos(m_nEntryCount);
    for (int i = 0; hdwp && i < m_nEntryCount; ++i) {
        const CAttachEntry& e = m_arrEntry[i];
        if (!PrepareMove(hHelper, e.nID, e.rcNew, &move)) continue;
        moved.Add(move);
        hdwp = ::DeferWindowPos(hdwp, move.hWnd, nullptr, move.rc.left, move.rc.top, move.rc.right - move.rc.left,
                                move.rc.bottom - move.rc.top, move.nFlags);
    }
    if (hdwp) {
        ::EndDeferWindowPos(hdwp);
    } else {
        for (int i = 0; i < m_nEntryCount; ++i) {
            const CAttachEntry& e = m_arrEntry[i];
            if (!PrepareMove(hHelper, e.nID, e.rcNew, &move)) continue;
            moved.Add(move);
            ::SetWindowPos(move.hWnd, nullptr, move.rc.left, move.rc.top, move.rc.right - move.rc.left,
                           move.rc.bottom - move.rc.top, move.nFlags);
        }
    }
    moved.Repaint(hHelper);
}

void CAttachFormWndHelper::SetMaxSize(const CSize& size) {
    m_nMaxCX = size.cx;
    m_nMaxCY = size.cy;
}

CSize CAttachFormWndHelper::GetMaxSize() { return CSize(m_nMaxCX, m_nMaxCY); }

void CAttachFormWndHelper::SetMinSize(const CSize& size) {
    m_nMinCX = size.cx;
    m_nMinCY = size.cy;
}

CSize CAttachFormWndHelper::GetMinSize() { return CSize(m_nMinCX, m_nMinCY); }

void CAttachFormWndHelper::SetClipMode(BOOL bClip) { m_bClipMode = bClip; }

int CAttachFormWndHelper::SetAttachMode(UINT nID, int nMode) {
    (void)nID;
    (void)nMode;
    return 1;
}

void CAttachFormWndHelper::CalcMinMax(MINMAXINFO* p) {
    if (!p) return;
    if (m_nMaxCX != 0) p->ptMaxTrackSize.x = m_nMaxCX;
    if (m_nMaxCY != 0) p->ptMaxTrackSize.y = m_nMaxCY;
    if (m_nMinCX != 0) p->ptMinTrackSize.x = m_nMinCX;
    if (m_nMinCY != 0) p->ptMinTrackSize.y = m_nMinCY;
}

void CAttachFormWndHelper::ClipControl(CDC* pDC) {
    HWND hHelper = GetHelperHwnd();
    if (!m_bClipMode || !pDC || !pDC->GetSafeHdc() || !hHelper) return;
    EnumData data = {pDC, m_pHelperWnd};
    // The enumeration hands its LPARAM back; this adapts it to EnumCallback.
    WNDENUMPROC pfnEnum = [](HWND hWnd, LPARAM lParam) -> BOOL {
        return EnumCallback(hWnd, reinterpret_cast<EnumData*>(lParam));
    };
    ::EnumChildWindows(hHelper, pfnEnum, reinterpret_cast<LPARAM>(&data));
}

// Called for every descendant of the helper window; only its visible
// direct children are clipped.
BOOL CALLBACK CAttachFormWndHelper::EnumCallback(HWND hWnd, EnumData* pData) {
    HWND hHelper = pData->pWnd->GetSafeHwnd();
    if (!::IsWindowVisible(hWnd) || ::GetParent(hWnd) != hHelper) return TRUE;

    char szClass[256] = "";
    ::GetClassNameA(hWnd, szClass, static_cast<int>(sizeof szClass));
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    ScreenRectToClient(hHelper, &rc);

    CDC* pDC = pData->pDC;
    const LONG nType = ::GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK;
    if (_stricmp(szClass, "Button") == 0 && nType == BS_GROUPBOX) {
        pDC->ExcludeClipRect(rc.left, rc.bottom - kGroupFrame, rc.right, rc.bottom);
        pDC->ExcludeClipRect(rc.left, rc.top + kGroupCaption, rc.left + kGroupFrame, rc.bottom);
        pDC->ExcludeClipRect(rc.right - kGroupFrame, rc.top + kGroupCaption, rc.right, rc.bottom);
    } else {
        pDC->ExcludeClipRect(&rc);
    }
    return TRUE;
}
