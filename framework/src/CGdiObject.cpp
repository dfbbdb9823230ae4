// CGdiObject.cpp - pens, brushes, fonts, bitmaps, regions and palettes, and
// the map from drawing-object handles to their wrappers.
#include "CGdiObject.h"

#include "AfxModule.h"
#include "CDC.h"
#include "HandleMap.h"

namespace {
CHandleMap<HGDIOBJ, CGdiObject>& GdiObjectMap() {
    static CHandleMap<HGDIOBJ, CGdiObject> map([](const CGdiObject* p) { return p->m_hObject; },
                                               [](CGdiObject* p, HGDIOBJ h) { p->m_hObject = h; });
    return map;
}

// Attaches the handle that create() makes, unless object holds one already.
template <class Create>
BOOL AttachNew(CGdiObject* object, Create create) {
    return GdiObjectMap().AttachNew(object, create);
}

template <class T>
CGdiObject* NewWrapper() {
    return new T;
}

// Which class wraps which kind of handle, so that CPen::FromHandle and the
// like give an object of the right class.
struct WrapperKind {
    DWORD objectType;
    CRuntimeClass* pClass;
    CGdiObject* (*pfnNew)();
};

const WrapperKind* KindOf(HGDIOBJ hObject) {
    static const WrapperKind kinds[] = {
        {OBJ_PEN, RUNTIME_CLASS(CPen), &NewWrapper<CPen>},
        {OBJ_EXTPEN, RUNTIME_CLASS(CPen), &NewWrapper<CPen>},
        {OBJ_BRUSH, RUNTIME_CLASS(CBrush), &NewWrapper<CBrush>},
        {OBJ_FONT, RUNTIME_CLASS(CFont), &NewWrapper<CFont>},
        {OBJ_BITMAP, RUNTIME_CLASS(CBitmap), &NewWrapper<CBitmap>},
        {OBJ_REGION, RUNTIME_CLASS(CRgn), &NewWrapper<CRgn>},
        {OBJ_PAL, RUNTIME_CLASS(CPalette), &NewWrapper<CPalette>},
    };
    static const WrapperKind other = {0, RUNTIME_CLASS(CGdiObject), &NewWrapper<CGdiObject>};
    DWORD type = ::GetObjectType(hObject);
    for (const WrapperKind& kind : kinds) {
        if (kind.objectType == type) return &kind;
    }
    return &other;
}

// Stock objects belong to the system; deleting one is never right.
bool IsStockObject(HGDIOBJ hObject) {
    for (int i = WHITE_BRUSH; i <= DC_PEN; ++i) {
        if (::GetStockObject(i) == hObject) return true;
    }
    return false;
}
}  // namespace

// --- CGdiObject ----------------------------------------------------------

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

CGdiObject::~CGdiObject() { DeleteObject(); }

// The permanent wrapper of hObject, or a temporary one of the class that
// fits the kind of handle.
CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) {
    if (!hObject) return nullptr;
    const WrapperKind* kind = KindOf(hObject);
    return GdiObjectMap().FromHandle(hObject, kind->pfnNew,
                                     [kind](const CGdiObject* p) { return p->GetRuntimeClass() == kind->pClass; });
}

void PASCAL CGdiObject::DeleteTempMap() { GdiObjectMap().DeleteTemp(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject) { return GdiObjectMap().Attach(this, hObject); }

HGDIOBJ CGdiObject::Detach() { return GdiObjectMap().Detach(this); }

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    HGDIOBJ hObject = Detach();
    return IsStockObject(hObject) ? TRUE : ::DeleteObject(hObject);
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectA(m_hObject, nCount, lpObject); }

BOOL CGdiObject::CreateStockObject(int nIndex) {
    return AttachNew(this, [&] { return ::GetStockObject(nIndex); });
}

BOOL CGdiObject::UnrealizeObject() { return ::UnrealizeObject(m_hObject); }

// --- CPen ----------------------------------------------------------------

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    return AttachNew(this, [&] { return ::CreatePen(nPenStyle, nWidth, crColor); });
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen) {
    return AttachNew(this, [&] { return ::CreatePenIndirect(lpLogPen); });
}

// --- CBrush --------------------------------------------------------------

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush::CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }

CBrush::CBrush(int nIndex, COLORREF crColor) { CreateHatchBrush(nIndex, crColor); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    return AttachNew(this, [&] { return ::CreateSolidBrush(crColor); });
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) {
    return AttachNew(this, [&] { return ::CreateHatchBrush(nIndex, crColor); });
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
    if (!pBitmap) return FALSE;
    return AttachNew(this, [&] { return ::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->m_hObject)); });
}

// The system's own colour brushes are cached by the system and behave as
// stock objects: deleting them does nothing.
BOOL CBrush::CreateSysColorBrush(int nIndex) {
    return AttachNew(this, [&] { return ::GetSysColorBrush(nIndex); });
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush) {
    return AttachNew(this, [&] { return ::CreateBrushIndirect(lpLogBrush); });
}

// --- CFont ---------------------------------------------------------------

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont) {
    return AttachNew(this, [&] { return ::CreateFontIndirectA(lpLogFont); });
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCSTR lpszFacename) {
    return AttachNew(this, [&] {
        return ::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline, cStrikeOut,
                             nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, lpszFacename);
    });
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC) {
    LOGFONTA logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    if (lpszFaceName) lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

// lfHeight of *lpLogFont is in tenths of a point; it becomes a character
// height (negative) in the logical units of pDC, or of the screen.
BOOL CFont::CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC) {
    if (!lpLogFont) return FALSE;
    HDC hDC = pDC ? pDC->m_hAttribDC : ::GetDC(nullptr);
    if (!hDC) return FALSE;
    POINT pts[2] = {{0, 0}, {0, ::MulDiv(lpLogFont->lfHeight, ::GetDeviceCaps(hDC, LOGPIXELSY), 720)}};
    ::DPtoLP(hDC, pts, 2);
    if (!pDC) ::ReleaseDC(nullptr, hDC);

    LOGFONTA logFont = *lpLogFont;
    int height = pts[1].y - pts[0].y;
    logFont.lfHeight = height < 0 ? height : -height;
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONTA* pLogFont) const { return GetObject(sizeof(LOGFONTA), pLogFont); }

// --- CBitmap -------------------------------------------------------------

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName) {
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    return AttachNew(this, [&] { return ::LoadBitmapA(hInst, lpszResourceName); });
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }

BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap) {
    return AttachNew(this, [&] { return ::LoadBitmapA(nullptr, MAKEINTRESOURCEA(nIDBitmap)); });
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits) {
    return AttachNew(this, [&] { return ::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits); });
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    if (!pDC) return FALSE;
    return AttachNew(this, [&] { return ::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight); });
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const { return GetObject(sizeof(BITMAP), pBitMap); }

CSize CBitmap::GetBitmapDimension() const {
    SIZE size = {0, 0};
    ::GetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), &size);
    return CSize(size);
}

// --- CRgn ----------------------------------------------------------------

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) {
    return AttachNew(this, [&] { return ::CreateRectRgn(x1, y1, x2, y2); });
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect) {
    return AttachNew(this, [&] { return ::CreateRectRgnIndirect(lpRect); });
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2) {
    return AttachNew(this, [&] { return ::CreateEllipticRgn(x1, y1, x2, y2); });
}

BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode) {
    return AttachNew(this, [&] { return ::CreatePolygonRgn(lpPoints, nCount, nMode); });
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2) { ::SetRectRgn(static_cast<HRGN>(m_hObject), x1, y1, x2, y2); }

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
    return ::CombineRgn(static_cast<HRGN>(m_hObject), pRgn1 ? static_cast<HRGN>(pRgn1->m_hObject) : nullptr,
                        pRgn2 ? static_cast<HRGN>(pRgn2->m_hObject) : nullptr, nCombineMode);
}

int CRgn::CopyRgn(const CRgn* pRgnSrc) { return CombineRgn(pRgnSrc, nullptr, RGN_COPY); }

BOOL CRgn::PtInRegion(int x, int y) const { return ::PtInRegion(static_cast<HRGN>(m_hObject), x, y); }

BOOL CRgn::RectInRegion(LPCRECT lpRect) const { return ::RectInRegion(static_cast<HRGN>(m_hObject), lpRect); }

int CRgn::GetRgnBox(LPRECT lpRect) const { return ::GetRgnBox(static_cast<HRGN>(m_hObject), lpRect); }

// --- CPalette ------------------------------------------------------------

IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

BOOL CPalette::CreatePalette(const LOGPALETTE* lpLogPalette) {
    return AttachNew(this, [&] { return ::CreatePalette(lpLogPalette); });
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC) {
    if (!pDC) return FALSE;
    return AttachNew(this, [&] { return ::CreateHalftonePalette(pDC->m_hDC); });
}

// A palette's object data is its number of entries (a WORD).
int CPalette::GetEntryCount() const {
    WORD nEntries = 0;
    return GetObject(sizeof(WORD), &nEntries) ? nEntries : 0;
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const {
    return ::GetPaletteEntries(static_cast<HPALETTE>(m_hObject), nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const {
    return ::GetNearestPaletteIndex(static_cast<HPALETTE>(m_hObject), crColor);
}
