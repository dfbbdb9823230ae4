// CDC.cpp - device contexts: the handle map, selection of drawing objects,
// attributes, drawing and text, and the window DCs.
#include "CDC.h"

#include <unordered_set>

#include "CWnd.h"
#include "HandleMap.h"

namespace {
CHandleMap<HDC, CDC>& DCMap() {
    static CHandleMap<HDC, CDC> map([](const CDC* p) { return p->m_hDC; },
                                    [](CDC* p, HDC h) { p->m_hDC = p->m_hAttribDC = h; });
    return map;
}

// The DCs that CDC objects created themselves (CreateCompatibleDC, CreateDC)
// and so delete when they are destroyed. Attached DCs belong to someone else.
std::unordered_set<HDC>& OwnedDCs() {
    static std::unordered_set<HDC> owned;
    return owned;
}

// Attaches the DC that create() makes as one dc owns (deletes when it goes);
// a CDC that holds a DC already gets none.
template <class Create>
BOOL AttachOwnedDC(CDC* dc, Create create) {
    if (!DCMap().AttachNew(dc, create)) return FALSE;
    OwnedDCs().insert(dc->m_hDC);
    return TRUE;
}

// Applies an attribute change to the output DC and, when it is a separate
// one, to the attribute DC; returns the attribute DC's previous value.
template <class Apply>
auto OnBoth(HDC hDC, HDC hAttribDC, Apply apply) -> decltype(apply(hDC)) {
    decltype(apply(hDC)) result{};
    if (hDC && hDC != hAttribDC) result = apply(hDC);
    if (hAttribDC) result = apply(hAttribDC);
    return result;
}

HGDIOBJ HandleOf(const CGdiObject* pObject) { return pObject ? pObject->m_hObject : nullptr; }
HBRUSH BrushOf(const CBrush* pBrush) { return static_cast<HBRUSH>(HandleOf(pBrush)); }
HRGN RgnOf(const CRgn* pRgn) { return static_cast<HRGN>(HandleOf(pRgn)); }
}  // namespace

// --- handles -------------------------------------------------------------

IMPLEMENT_DYNCREATE(CDC, CObject)

CDC::CDC() : m_hDC(nullptr), m_hAttribDC(nullptr) {}

CDC::~CDC() {
    if (m_hDC && OwnedDCs().count(m_hDC)) {
        DeleteDC();
    } else {
        Detach();
    }
}

CDC* PASCAL CDC::FromHandle(HDC hDC) {
    return DCMap().FromHandle(hDC, [] { return new CDC; });
}

void PASCAL CDC::DeleteTempMap() { DCMap().DeleteTemp(); }

BOOL CDC::Attach(HDC hDC) { return DCMap().Attach(this, hDC); }

HDC CDC::Detach() {
    if (m_hDC) OwnedDCs().erase(m_hDC);
    return DCMap().Detach(this);
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    return AttachOwnedDC(this, [pDC] { return ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr); });
}

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const void* lpInitData) {
    return AttachOwnedDC(this, [&] {
        return ::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEA*>(lpInitData));
    });
}

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    return ::DeleteDC(Detach());
}

CWnd* CDC::GetWindow() const { return CWnd::FromHandle(::WindowFromDC(m_hDC)); }

// --- selection -----------------------------------------------------------

CPen* CDC::SelectObject(CPen* pPen) { return static_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pPen))); }

CBrush* CDC::SelectObject(CBrush* pBrush) {
    return static_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(pBrush)));
}

CFont* CDC::SelectObject(CFont* pFont) { return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(pFont))); }

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    return static_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(pBitmap)));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) { return CGdiObject::FromHandle(SelectObject(HandleOf(pObject))); }

// Selecting a region sets the clipping region; the result is the region's
// kind (SIMPLEREGION, ...), not a previous object.
int CDC::SelectObject(CRgn* pRgn) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(::SelectObject(m_hDC, HandleOf(pRgn))));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) {
    if (!hObject) return nullptr;
    return OnBoth(m_hDC, m_hAttribDC, [hObject](HDC h) { return ::SelectObject(h, hObject); });
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    return CGdiObject::FromHandle(SelectObject(::GetStockObject(nIndex)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
    HPALETTE hPalette = static_cast<HPALETTE>(HandleOf(pPalette));
    return CPalette::FromHandle(::SelectPalette(m_hDC, hPalette, bForceBackground));
}

UINT CDC::RealizePalette() { return ::RealizePalette(m_hDC); }

CFont* CDC::GetCurrentFont() const {
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

CPen* CDC::GetCurrentPen() const { return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN))); }

CBrush* CDC::GetCurrentBrush() const {
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}

CBitmap* CDC::GetCurrentBitmap() const {
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

// --- attributes ----------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF crColor) {
    return OnBoth(m_hDC, m_hAttribDC, [crColor](HDC h) { return ::SetTextColor(h, crColor); });
}

COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hAttribDC); }

COLORREF CDC::SetBkColor(COLORREF crColor) {
    return OnBoth(m_hDC, m_hAttribDC, [crColor](HDC h) { return ::SetBkColor(h, crColor); });
}

COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hAttribDC); }

int CDC::SetBkMode(int nBkMode) {
    return OnBoth(m_hDC, m_hAttribDC, [nBkMode](HDC h) { return ::SetBkMode(h, nBkMode); });
}

int CDC::GetBkMode() const { return ::GetBkMode(m_hAttribDC); }

int CDC::SetROP2(int nDrawMode) {
    return OnBoth(m_hDC, m_hAttribDC, [nDrawMode](HDC h) { return ::SetROP2(h, nDrawMode); });
}

UINT CDC::SetTextAlign(UINT nFlags) {
    return OnBoth(m_hDC, m_hAttribDC, [nFlags](HDC h) { return ::SetTextAlign(h, nFlags); });
}

int CDC::SetStretchBltMode(int nStretchMode) {
    return OnBoth(m_hDC, m_hAttribDC, [nStretchMode](HDC h) { return ::SetStretchBltMode(h, nStretchMode); });
}

int CDC::SetMapMode(int nMapMode) {
    return OnBoth(m_hDC, m_hAttribDC, [nMapMode](HDC h) { return ::SetMapMode(h, nMapMode); });
}

int CDC::GetMapMode() const { return ::GetMapMode(m_hAttribDC); }

CPoint CDC::SetViewportOrg(int x, int y) {
    return OnBoth(m_hDC, m_hAttribDC, [x, y](HDC h) {
        POINT old = {0, 0};
        ::SetViewportOrgEx(h, x, y, &old);
        return CPoint(old);
    });
}

CPoint CDC::GetViewportOrg() const {
    POINT org = {0, 0};
    ::GetViewportOrgEx(m_hAttribDC, &org);
    return CPoint(org);
}

CPoint CDC::SetWindowOrg(int x, int y) {
    return OnBoth(m_hDC, m_hAttribDC, [x, y](HDC h) {
        POINT old = {0, 0};
        ::SetWindowOrgEx(h, x, y, &old);
        return CPoint(old);
    });
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
    return OnBoth(m_hDC, m_hAttribDC, [nWidth, nHeight](HDC h) {
        POINT old = {0, 0};
        ::OffsetViewportOrgEx(h, nWidth, nHeight, &old);
        return CPoint(old);
    });
}

CSize CDC::SetViewportExt(int cx, int cy) {
    return OnBoth(m_hDC, m_hAttribDC, [cx, cy](HDC h) {
        SIZE old = {0, 0};
        ::SetViewportExtEx(h, cx, cy, &old);
        return CSize(old);
    });
}

CSize CDC::SetWindowExt(int cx, int cy) {
    return OnBoth(m_hDC, m_hAttribDC, [cx, cy](HDC h) {
        SIZE old = {0, 0};
        ::SetWindowExtEx(h, cx, cy, &old);
        return CSize(old);
    });
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const { ::LPtoDP(m_hAttribDC, lpPoints, nCount); }

void CDC::LPtoDP(LPRECT lpRect) const { ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2); }

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const { ::DPtoLP(m_hAttribDC, lpPoints, nCount); }

void CDC::DPtoLP(LPRECT lpRect) const { ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2); }

int CDC::GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }

int CDC::SaveDC() {
    return OnBoth(m_hDC, m_hAttribDC, [](HDC h) { return ::SaveDC(h); });
}

BOOL CDC::RestoreDC(int nSavedDC) {
    return OnBoth(m_hDC, m_hAttribDC, [nSavedDC](HDC h) { return ::RestoreDC(h, nSavedDC); });
}

// --- clipping ------------------------------------------------------------

int CDC::GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hDC, lpRect); }

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) { return ::IntersectClipRect(m_hDC, x1, y1, x2, y2); }

int CDC::IntersectClipRect(LPCRECT lpRect) {
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) { return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2); }

int CDC::ExcludeClipRect(LPCRECT lpRect) {
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::SelectClipRgn(CRgn* pRgn) { return ::SelectClipRgn(m_hDC, RgnOf(pRgn)); }

int CDC::SelectClipRgn(CRgn* pRgn, int nMode) { return ::ExtSelectClipRgn(m_hDC, RgnOf(pRgn), nMode); }

BOOL CDC::PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }

BOOL CDC::RectVisible(LPCRECT lpRect) const { return ::RectVisible(m_hDC, lpRect); }

// --- lines and shapes ----------------------------------------------------

CPoint CDC::MoveTo(int x, int y) {
    POINT old = {0, 0};
    ::MoveToEx(m_hDC, x, y, &old);
    return CPoint(old);
}

BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }

BOOL CDC::Polyline(const POINT* lpPoints, int nCount) { return ::Polyline(m_hDC, lpPoints, nCount); }

BOOL CDC::Polygon(const POINT* lpPoints, int nCount) { return ::Polygon(m_hDC, lpPoints, nCount); }

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }

BOOL CDC::Rectangle(LPCRECT lpRect) { return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }

BOOL CDC::Ellipse(LPCRECT lpRect) { return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) { ::FillRect(m_hDC, lpRect, BrushOf(pBrush)); }

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) { ::FrameRect(m_hDC, lpRect, BrushOf(pBrush)); }

void CDC::InvertRect(LPCRECT lpRect) { ::InvertRect(m_hDC, lpRect); }

// Fills with one colour, without a brush: the opaque background of an empty
// text output. Like the classic framework, it leaves the background colour
// set to clr.
void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
}

// A one-pixel frame: the top and left edges in clrTopLeft, the right and
// bottom ones in clrBottomRight, which also owns the top-right and
// bottom-left corners.
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) { return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags); }

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState) {
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}

void CDC::DrawFocusRect(LPCRECT lpRect) { ::DrawFocusRect(m_hDC, lpRect); }

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

BOOL CDC::DrawIcon(POINT point, HICON hIcon) { return DrawIcon(point.x, point.y, hIcon); }

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush) { return ::FillRgn(m_hDC, RgnOf(pRgn), BrushOf(pBrush)); }

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight) {
    return ::FrameRgn(m_hDC, RgnOf(pRgn), BrushOf(pBrush), nWidth, nHeight);
}

COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }

// --- bitmaps -------------------------------------------------------------

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop) {
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

// --- text ----------------------------------------------------------------

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount) { return ::TextOutA(m_hDC, x, y, lpszString, nCount); }

BOOL CDC::TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount, LPINT lpDxWidths) {
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

// The string is never written to: DT_MODIFYSTRING is dropped.
int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat & ~static_cast<UINT>(DT_MODIFYSTRING));
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
    return DrawText(str, str.GetLength(), lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const {
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return CSize(size);
}

CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }

BOOL CDC::GetTextMetrics(LPTEXTMETRICA lpMetrics) const { return ::GetTextMetricsA(m_hAttribDC, lpMetrics); }

int CDC::GetTextFace(int nCount, LPSTR lpszFacename) const { return ::GetTextFaceA(m_hAttribDC, nCount, lpszFacename); }

// --- window DCs ----------------------------------------------------------

namespace {
HWND WindowOf(const CWnd* pWnd) { return pWnd ? pWnd->m_hWnd : nullptr; }
}  // namespace

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(WindowOf(pWnd)) { Attach(::BeginPaint(m_hWnd, &m_ps)); }

CPaintDC::~CPaintDC() {
    if (m_hDC) {
        ::EndPaint(m_hWnd, &m_ps);
        Detach();
    }
}

IMPLEMENT_DYNAMIC(CClientDC, CDC)

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(WindowOf(pWnd)) { Attach(::GetDC(m_hWnd)); }

CClientDC::~CClientDC() {
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
}

IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(WindowOf(pWnd)) { Attach(::GetWindowDC(m_hWnd)); }

CWindowDC::~CWindowDC() {
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
}
