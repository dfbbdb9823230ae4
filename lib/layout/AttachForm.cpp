// AttachForm.cpp - the window-free attachment table and its solver.
#include "AttachForm.h"

#include <new>
#include <vector>

namespace {

// Edge indices, in the order of the per-edge arrays and the AT_/AO_/AP_/AR_ codes.
const int kTop = 0;
const int kLeft = 1;
const int kRight = 2;
const int kBottom = 3;
const int kEdgeCount = 4;

// Resolution bits of CAttachEntry::nFlags: one per edge (1 << edge) ...
const int kResolvedAll = 0x0F;
// ... and the axes whose two edges are both AK_NONE (the control stays put).
const int kVertFree = 0x10;
const int kHorzFree = 0x20;

// Upper bound of resolution passes.
const int kMaxPasses = 10000;

// An offset that the caller did not give.
const LONG kNotGiven = INT_MAX;

int EdgeBit(int nEdge) { return 1 << nEdge; }
int Opposite(int nEdge) { return kBottom - nEdge; }  // top<->bottom, left<->right
BOOL IsVertical(int nEdge) { return nEdge == kTop || nEdge == kBottom; }
BOOL IsNear(int nEdge) { return nEdge == kTop || nEdge == kLeft; }  // top or left
BOOL NeedsRef(int nKind) { return nKind == AK_CTRL_ADJACENT || nKind == AK_CTRL_SAME || nKind == AK_CTRL_PERCENT; }

// The RECT member of each edge (RECT order differs from edge order).
LONG RECT::*const kRectMember[kEdgeCount] = {&RECT::top, &RECT::left, &RECT::right, &RECT::bottom};
LONG& RectEdge(RECT& rc, int nEdge) { return rc.*kRectMember[nEdge]; }
LONG RectEdge(const RECT& rc, int nEdge) { return rc.*kRectMember[nEdge]; }

// nPercent hundredths (nBase) of nSize, truncated toward zero; the product
// is exact, so large sizes cannot overflow.
int PercentOf(int nSize, int nPercent, int nBase) {
    return static_cast<int>(static_cast<long long>(nSize) * nPercent / nBase);
}

// Narrows a sum of coordinates back to the 32-bit coordinate space.
int ToCoord(long long nValue) { return static_cast<int>(nValue); }

}  // namespace

// --- CAttachEntry ----------------------------------------------------------

CAttachEntry::CAttachEntry(UINT nIDCtrl)
    : nID(nIDCtrl), nKind{AK_NONE, AK_NONE, AK_NONE, AK_NONE}, rcGiven{kNotGiven, kNotGiven, kNotGiven, kNotGiven},
      rcOffset{0, 0, 0, 0}, rcPercent{0, 0, 0, 0}, nRefID{0, 0, 0, 0}, pRef{nullptr, nullptr, nullptr, nullptr},
      rcNew{0, 0, 0, 0}, rcCur{0, 0, 0, 0}, nWidth(0), nHeight(0), nFlags(0) {}

// --- CAttachForm -------------------------------------------------------------

CAttachForm::CAttachForm()
    : m_bRealized(FALSE), m_nEntryCount(0), m_nPercentBaseX(100), m_nPercentBaseY(100), m_nFormWidth(0),
      m_nFormHeight(0) {}

CAttachForm::~CAttachForm() {
    m_arrEntry.RemoveAll();
    m_nEntryCount = 0;
}

void CAttachForm::SetSize(int cx, int cy) {
    m_nFormWidth = cx;
    m_nFormHeight = cy;
}

void CAttachForm::SetSize(const CSize& size) { SetSize(size.cx, size.cy); }

CSize CAttachForm::GetSize() const { return CSize(m_nFormWidth, m_nFormHeight); }

int CAttachForm::FindID(UINT nID) {
    for (int i = 0; i < m_nEntryCount; ++i) {
        if (m_arrEntry[i].nID == nID) return i;
    }
    return -1;
}

int CAttachForm::AppendEntry(UINT nID) {
    try {
        m_arrEntry.Add(CAttachEntry(nID));
    } catch (CMemoryException* e) {
        e->Delete();
        return -1;
    }
    m_bRealized = FALSE;  // the table may have moved: references are stale
    m_nEntryCount = m_arrEntry.GetSize();
    return m_nEntryCount - 1;
}

void CAttachForm::RemoveEntry(int nIndex) {
    m_arrEntry.RemoveAt(nIndex);
    m_nEntryCount = m_arrEntry.GetSize();
    m_bRealized = FALSE;
}

int CAttachForm::SetVaAttach(UINT nID, ...) {
    va_list args;
    va_start(args, nID);
    int nResult = SetValistAttach(nID, args);
    va_end(args);
    return nResult;
}

// The pairs are read once to count them and once to copy them; a code of
// A_END ends the list (it has no value).
int CAttachForm::SetValistAttach(UINT nID, const char* pArgs) {
    if (!pArgs) return 1;
    // On this platform a va_list is a plain char pointer.
    va_list source = const_cast<char*>(pArgs);
    va_list counter;
    va_copy(counter, source);
    int nCount = 0;
    while (va_arg(counter, int) != A_END) {
        (void)va_arg(counter, int);
        ++nCount;
    }
    va_end(counter);
    if (nCount == 0) return 1;

    std::vector<CAttachArg> args;
    try {
        args.resize(static_cast<size_t>(nCount));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    va_list reader;
    va_copy(reader, source);
    for (CAttachArg& arg : args) {
        arg.nType = va_arg(reader, int);
        arg.nValue = va_arg(reader, int);
    }
    va_end(reader);
    return SetAttach(nID, args.data(), nCount);
}

int CAttachForm::SetAttach(UINT nID, const CAttachArg* pArgs, int nCount) {
    int nIndex = FindID(nID);
    if (nIndex < 0) {
        nIndex = AppendEntry(nID);
        if (nIndex < 0) return 0;
    }
    m_bRealized = FALSE;  // new rules need new offsets and references

    CAttachEntry& e = m_arrEntry[nIndex];
    RECT rcGiven = {kNotGiven, kNotGiven, kNotGiven, kNotGiven};
    BOOL bOk = TRUE;
    if (nCount > 0 && !pArgs) {
        bOk = FALSE;
        nCount = 0;
    }
    for (int i = 0; i < nCount; ++i) {
        const int nType = pArgs[i].nType;
        const int nValue = pArgs[i].nValue;
        if (nType >= AT_TOP && nType <= AT_BOTTOM) {
            e.nKind[nType - AT_TOP] = nValue;
        } else if (nType >= AO_TOP && nType <= AO_BOTTOM) {
            RectEdge(rcGiven, nType - AO_TOP) = nValue;
        } else if (nType >= AP_TOP && nType <= AP_BOTTOM) {
            RectEdge(e.rcPercent, nType - AP_TOP) = nValue;
        } else if (nType >= AR_TOP && nType <= AR_BOTTOM) {
            e.nRefID[nType - AR_TOP] = static_cast<UINT>(nValue);
        } else {
            bOk = FALSE;  // the walk goes on; the entry is removed below
        }
    }
    e.rcGiven = rcGiven;

    for (int nEdge = 0; nEdge < kEdgeCount; ++nEdge) {
        if (!NeedsRef(e.nKind[nEdge])) {
            e.nRefID[nEdge] = 0;
        } else if (e.nRefID[nEdge] == 0) {
            bOk = FALSE;
        }
    }
    if (!bOk) {
        RemoveEntry(nIndex);
        return 0;
    }
    return 1;
}

int CAttachForm::SetRect(UINT nID, const RECT* pRect) {
    if (!pRect) return 0;
    int nIndex = FindID(nID);
    if (nIndex < 0) {
        nIndex = AppendEntry(nID);
        if (nIndex < 0) return 0;
    }
    m_arrEntry[nIndex].rcCur = *pRect;
    return 1;
}

int CAttachForm::GetRect(UINT nID, RECT* pRect) {
    const int nIndex = FindID(nID);
    if (nIndex < 0 || !pRect) return 0;
    *pRect = m_arrEntry[nIndex].rcCur;
    return 1;
}

int CAttachForm::Dettach(UINT nID) {
    const int nIndex = FindID(nID);
    if (nIndex >= 0) RemoveEntry(nIndex);
    return 1;
}

int CAttachForm::RealizeAttach() {
    m_bRealized = FALSE;
    for (int i = 0; i < m_nEntryCount; ++i) {
        CAttachEntry& e = m_arrEntry[i];
        e.nFlags = 0;
        if (e.nKind[kTop] == AK_NONE && e.nKind[kBottom] == AK_NONE) e.nFlags |= kVertFree;
        if (e.nKind[kLeft] == AK_NONE && e.nKind[kRight] == AK_NONE) e.nFlags |= kHorzFree;
        e.rcOffset = e.rcGiven;

        for (int nEdge = 0; nEdge < kEdgeCount; ++nEdge) {
            e.pRef[nEdge] = nullptr;
            if (!NeedsRef(e.nKind[nEdge])) continue;
            const int nRef = FindID(e.nRefID[nEdge]);
            if (nRef < 0) return 0;
            e.pRef[nEdge] = &m_arrEntry[nRef];
        }
        // Offsets not given are taken from the current geometry, so that
        // the realized size reproduces every rectangle.
        for (int nEdge = 0; nEdge < kEdgeCount; ++nEdge) {
            int nAnchor = 0;
            int nSign = 0;
            if (RectEdge(e.rcGiven, nEdge) != kNotGiven) continue;
            if (!GetAnchor(e, nEdge, FALSE, &nAnchor, &nSign)) continue;
            RectEdge(e.rcOffset, nEdge) = ToCoord(nSign * (static_cast<long long>(RectEdge(e.rcCur, nEdge)) - nAnchor));
        }
    }
    if (!SolveAll(FALSE)) return 0;

    m_bRealized = TRUE;
    Resize(m_nFormWidth, m_nFormHeight);
    return 1;
}

int CAttachForm::Resize(int cx, int cy) {
    if (!m_bRealized) return 0;
    if (m_nEntryCount == 0) return 1;

    SetSize(cx, cy);
    for (int i = 0; i < m_nEntryCount; ++i) {
        CAttachEntry& e = m_arrEntry[i];
        e.rcNew = e.rcCur;
        e.nWidth = e.rcCur.right - e.rcCur.left;
        e.nHeight = e.rcCur.bottom - e.rcCur.top;
    }
    if (!SolveAll(TRUE)) return 0;

    for (int i = 0; i < m_nEntryCount; ++i) {
        CAttachEntry& e = m_arrEntry[i];
        e.rcCur = e.rcNew;
    }
    return 1;
}

// Anchors per kind; near edges are top and left, far edges right and bottom:
//   kind                near edge            far edge
//   AK_FORM             0 + o                size - o
//   AK_CTRL_ADJACENT    ref far + o          ref near - o
//   AK_FORM_OPPOSITE    size - o             0 + o
//   AK_CTRL_SAME        ref near + o         ref far - o
//   AK_FORM_PERCENT     size * p + o         size * p - o
//   AK_CTRL_PERCENT     ref size * p + o     ref size * p + o
// "size" is the form's width or height along the edge's axis. The reference
// rectangle is the recorded one while realizing and the new one while
// resizing.
BOOL CAttachForm::GetAnchor(const CAttachEntry& e, int nEdge, BOOL bFromNew, int* pAnchor, int* pSign) const {
    const BOOL bVert = IsVertical(nEdge);
    const BOOL bNear = IsNear(nEdge);
    const int nFormSize = bVert ? m_nFormHeight : m_nFormWidth;
    const int nBase = bVert ? m_nPercentBaseY : m_nPercentBaseX;
    const int nPercent = RectEdge(e.rcPercent, nEdge);
    const CAttachEntry* pRef = e.pRef[nEdge];
    const RECT* pRefRect = pRef ? (bFromNew ? &pRef->rcNew : &pRef->rcCur) : nullptr;

    *pSign = bNear ? 1 : -1;
    switch (e.nKind[nEdge]) {
    case AK_FORM:
        *pAnchor = bNear ? 0 : nFormSize;
        return TRUE;
    case AK_FORM_OPPOSITE:
        *pAnchor = bNear ? nFormSize : 0;
        *pSign = -*pSign;
        return TRUE;
    case AK_FORM_PERCENT:
        *pAnchor = PercentOf(nFormSize, nPercent, nBase);
        return TRUE;
    case AK_CTRL_ADJACENT:
        if (!pRefRect) return FALSE;
        *pAnchor = RectEdge(*pRefRect, Opposite(nEdge));
        return TRUE;
    case AK_CTRL_SAME:
        if (!pRefRect) return FALSE;
        *pAnchor = RectEdge(*pRefRect, nEdge);
        return TRUE;
    case AK_CTRL_PERCENT: {
        if (!pRefRect) return FALSE;
        const int nRefSize = bVert ? pRefRect->bottom - pRefRect->top : pRefRect->right - pRefRect->left;
        *pAnchor = PercentOf(nRefSize, nPercent, nBase);
        *pSign = 1;
        return TRUE;
    }
    default:
        return FALSE;
    }
}

// What an edge waits for: AK_NONE its own opposite edge, AK_CTRL_ADJACENT
// the reference's opposite edge, AK_CTRL_SAME the reference's same edge,
// AK_CTRL_PERCENT both reference edges of the axis; the form kinds nothing.
// Unknown kinds never resolve.
BOOL CAttachForm::SolveEdge(CAttachEntry& e, int nEdge, BOOL bCompute) const {
    const int nKind = e.nKind[nEdge];
    const CAttachEntry* pRef = e.pRef[nEdge];
    if (nKind == AK_NONE) {
        const int nOpposite = Opposite(nEdge);
        if (!(e.nFlags & EdgeBit(nOpposite))) return FALSE;
        if (bCompute) {
            const int nSize = IsVertical(nEdge) ? e.nHeight : e.nWidth;
            const long long nOther = RectEdge(e.rcNew, nOpposite);
            RectEdge(e.rcNew, nEdge) = ToCoord(IsNear(nEdge) ? nOther - nSize : nOther + nSize);
        }
        return TRUE;
    }
    if (nKind < AK_NONE || nKind > AK_CTRL_PERCENT) return FALSE;
    if (NeedsRef(nKind)) {
        if (!pRef) return FALSE;
        int nNeeded = 0;
        if (nKind == AK_CTRL_ADJACENT) nNeeded = EdgeBit(Opposite(nEdge));
        if (nKind == AK_CTRL_SAME) nNeeded = EdgeBit(nEdge);
        if (nKind == AK_CTRL_PERCENT) nNeeded = EdgeBit(nEdge) | EdgeBit(Opposite(nEdge));
        if ((pRef->nFlags & nNeeded) != nNeeded) return FALSE;
    }
    if (bCompute) {
        int nAnchor = 0;
        int nSign = 0;
        if (!GetAnchor(e, nEdge, TRUE, &nAnchor, &nSign)) return FALSE;
        RectEdge(e.rcNew, nEdge) = ToCoord(nAnchor + nSign * static_cast<long long>(RectEdge(e.rcOffset, nEdge)));
    }
    return TRUE;
}

// Fixed-point passes in table order; an edge solved earlier in a pass counts
// for the later ones. A pass that solves nothing new ends the search early
// (the next passes could not do better).
BOOL CAttachForm::SolveAll(BOOL bCompute) {
    for (int i = 0; i < m_nEntryCount; ++i) {
        CAttachEntry& e = m_arrEntry[i];
        e.nFlags &= kVertFree | kHorzFree;
        if (e.nFlags & kVertFree) e.nFlags |= EdgeBit(kTop) | EdgeBit(kBottom);
        if (e.nFlags & kHorzFree) e.nFlags |= EdgeBit(kLeft) | EdgeBit(kRight);
    }
    for (int nPass = 0; nPass < kMaxPasses; ++nPass) {
        BOOL bPending = FALSE;
        BOOL bProgress = FALSE;
        for (int i = 0; i < m_nEntryCount; ++i) {
            CAttachEntry& e = m_arrEntry[i];
            if ((e.nFlags & kResolvedAll) == kResolvedAll) continue;
            for (int nEdge = 0; nEdge < kEdgeCount; ++nEdge) {
                if (e.nFlags & EdgeBit(nEdge)) continue;
                if (SolveEdge(e, nEdge, bCompute)) {
                    e.nFlags |= EdgeBit(nEdge);
                    bProgress = TRUE;
                }
            }
            if ((e.nFlags & kResolvedAll) != kResolvedAll) bPending = TRUE;
        }
        if (!bPending) return TRUE;
        if (!bProgress) return FALSE;
    }
    return FALSE;
}
