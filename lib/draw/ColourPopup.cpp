// ColourPopup.cpp - the colour grid popup: layout, hover and keys, the
// custom entry, painting and palettes.
#include "ColourPopup.h"

#include <vector>

namespace {
const int kColumns = 8;
const int kBoxSize = 18;
const int kCustom = -2;  // row and column of the custom entry
const int kNone = -1;
const char kDefaultCustomText[] = "More...";
const DWORD kPaletteRelative = 0x02000000;
}  // namespace

ColourTableEntry CColourPopup::m_crColours[40] = {
    {RGB(0, 0, 0), "Black"},
    {RGB(165, 42, 0), "Brown"},
    {RGB(0, 64, 64), "Dark Olive Green"},
    {RGB(0, 85, 0), "Dark Green"},
    {RGB(0, 0, 94), "Dark Teal"},
    {RGB(0, 0, 139), "Dark blue"},
    {RGB(75, 0, 130), "Indigo"},
    {RGB(40, 40, 40), "Dark grey"},

    {RGB(139, 0, 0), "Dark red"},
    {RGB(255, 104, 32), "Orange"},
    {RGB(139, 139, 0), "Dark yellow"},
    {RGB(0, 147, 0), "Green"},
    {RGB(56, 142, 142), "Teal"},
    {RGB(0, 0, 255), "Blue"},
    {RGB(123, 123, 192), "Blue-grey"},
    {RGB(102, 102, 102), "Grey - 40"},

    {RGB(255, 0, 0), "Red"},
    {RGB(255, 173, 91), "Light orange"},
    {RGB(50, 205, 50), "Lime"},
    {RGB(60, 179, 113), "Sea green"},
    {RGB(127, 255, 212), "Aqua"},
    {RGB(125, 158, 192), "Light blue"},
    {RGB(128, 0, 128), "Violet"},
    {RGB(127, 127, 127), "Grey - 50"},

    {RGB(255, 192, 203), "Pink"},
    {RGB(255, 215, 0), "Gold"},
    {RGB(255, 255, 0), "Yellow"},
    {RGB(0, 255, 0), "Bright green"},
    {RGB(64, 224, 208), "Turquoise"},
    {RGB(192, 255, 255), "Skyblue"},
    {RGB(72, 0, 72), "Plum"},
    {RGB(192, 192, 192), "Light grey"},

    {RGB(255, 228, 225), "Rose"},
    {RGB(210, 180, 140), "Tan"},
    {RGB(255, 255, 224), "Light yellow"},
    {RGB(152, 251, 152), "Pale green "},
    {RGB(175, 238, 238), "Pale turquoise"},
    {RGB(104, 131, 139), "Pale blue"},
    {RGB(230, 230, 250), "Lavender"},
    {RGB(255, 255, 255), "White"},
};

BEGIN_MESSAGE_MAP(CColourPopup, CWnd)
    ON_WM_NCDESTROY()
    ON_WM_LBUTTONUP()
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_QUERYNEWPALETTE()
    ON_WM_PALETTECHANGED()
END_MESSAGE_MAP()

CColourPopup::CColourPopup() { Initialise(); }

CColourPopup::CColourPopup(CPoint p, COLORREF crColour, CWnd* pParentWnd, UINT nID, LPCSTR szCustomText) {
    Initialise();
    m_crInitial = m_crCurrent = crColour;
    m_bShowCustom = szCustomText != nullptr;
    if (szCustomText) m_strCustomText = szCustomText;
    m_pParent = pParentWnd;
    Create(p, crColour, pParentWnd, nID, szCustomText);
}

CColourPopup::~CColourPopup() = default;

void CColourPopup::Initialise() {
    m_nColourCount = static_cast<int>(sizeof m_crColours / sizeof m_crColours[0]);
    m_nColumns = 0;
    m_nRows = 0;
    m_nMargin = ::GetSystemMetrics(SM_CXEDGE);
    m_nBoxSize = kBoxSize;
    if (m_nBoxSize < 2 * m_nMargin + 7) m_nBoxSize = 2 * m_nMargin + 7;
    m_nHotRow = m_nHotCol = kNone;
    m_nChosenRow = m_nChosenCol = kNone;
    m_bShowCustom = TRUE;
    m_strCustomText = kDefaultCustomText;
    m_rcCustomText.SetRectEmpty();
    m_rcWindow.SetRectEmpty();
    m_crInitial = m_crCurrent = 0;
    m_pParent = nullptr;

    // The size of the structure before Windows Vista, which every version reads.
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&metrics.lfMessageFont);

    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + (m_nColourCount - 1) * sizeof(PALETTEENTRY));
    LOGPALETTE* pLogPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLogPalette->palVersion = 0x300;
    pLogPalette->palNumEntries = static_cast<WORD>(m_nColourCount);
    for (int i = 0; i < m_nColourCount; ++i) {
        const COLORREF colour = m_crColours[i].crColour;
        pLogPalette->palPalEntry[i] = {GetRValue(colour), GetGValue(colour), GetBValue(colour), 0};
    }
    m_palette.DeleteObject();
    m_palette.CreatePalette(pLogPalette);
}

BOOL CColourPopup::Create(CPoint p, COLORREF crColour, CWnd* pParentWnd, UINT nID, LPCSTR szCustomText) {
    (void)nID;
    ASSERT(pParentWnd && pParentWnd->GetSafeHwnd());
    m_pParent = pParentWnd;
    m_crInitial = m_crCurrent = crColour;
    LPCSTR lpszClass = AfxRegisterWndClass(CS_CLASSDC | CS_SAVEBITS | CS_HREDRAW | CS_VREDRAW, nullptr,
                                           static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH)), nullptr);
    if (!CreateEx(0, lpszClass, "", WS_VISIBLE | WS_POPUP, p.x, p.y, 100, 100,
                  pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, nullptr))
        return FALSE;
    if (szCustomText) m_strCustomText = szCustomText;
    SetWindowSize();
    CreateToolTips();
    FindCellFromColour(crColour);
    SetCapture();
    return TRUE;
}

BOOL CColourPopup::PreTranslateMessage(MSG* pMsg) {
    if (m_toolTip.GetSafeHwnd()) m_toolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

// --- layout ----------------------------------------------------------------

// The grid below the custom entry, which sits at the top when shown; the
// window is moved to stay on the screen, above the picker when there is no
// room below it.
void CColourPopup::SetWindowSize() {
    const int m = m_nMargin;
    const int b = m_nBoxSize;
    CSize custom(0, 0);
    if (m_bShowCustom) {
        CClientDC dc(this);
        CFont* pOldFont = dc.SelectObject(&m_font);
        const CSize text = dc.GetTextExtent(m_strCustomText);
        dc.SelectObject(pOldFont);
        custom = CSize(text.cx + 2 * m, text.cy + 4 * m + 2);
    }
    m_nColumns = kColumns;
    m_nRows = m_nColourCount / kColumns + (m_nColourCount % kColumns ? 1 : 0);

    CRect rect;
    GetWindowRect(&rect);
    m_rcWindow.SetRect(rect.left, rect.top, rect.left + m_nColumns * b + 2 * m, rect.top + m_nRows * b + 2 * m);
    if (m_bShowCustom) {
        m_rcWindow.bottom += custom.cy + m;
        if (custom.cx > m_rcWindow.Width()) m_rcWindow.right = m_rcWindow.left + custom.cx;
        m_rcCustomText.SetRect(m, m, m_rcWindow.Width() - m, m + custom.cy);
    }

    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    if (m_rcWindow.right > screenWidth) m_rcWindow.OffsetRect(screenWidth - m_rcWindow.right, 0);
    if (m_rcWindow.left < 0) m_rcWindow.OffsetRect(-m_rcWindow.left, 0);
    if (m_rcWindow.bottom > screenHeight) {
        CRect parent;
        if (m_pParent) m_pParent->GetWindowRect(&parent);
        m_rcWindow.OffsetRect(0, -(m_rcWindow.Height() + parent.Height()));
    }
    MoveWindow(&m_rcWindow, TRUE);
}

COLORREF CColourPopup::GetColour(int row, int col) const { return m_crColours[row * kColumns + col].crColour; }

LPCSTR CColourPopup::GetColourName(int row, int col) const { return m_crColours[row * kColumns + col].szName; }

BOOL CColourPopup::GetCellRect(int row, int col, RECT*& rect) {
    if (!rect || row < 0 || row >= m_nRows || col < 0 || col >= m_nColumns) return FALSE;
    const int top = row * m_nBoxSize + m_nMargin + (m_bShowCustom ? m_rcCustomText.Height() + m_nMargin : 0);
    const int left = col * m_nBoxSize + m_nMargin;
    ::SetRect(rect, left, top, left + m_nBoxSize, top + m_nBoxSize);
    return TRUE;
}

// The same geometry as GetCellRect, so that the hot cell is the one under
// the mouse.
BOOL CColourPopup::CellFromPoint(CPoint point, int& row, int& col) const {
    const int x = point.x - m_nMargin;
    const int y = point.y - m_nMargin - (m_bShowCustom ? m_rcCustomText.Height() + m_nMargin : 0);
    if (x < 0 || y < 0) return FALSE;
    row = y / m_nBoxSize;
    col = x / m_nBoxSize;
    return row < m_nRows && col < m_nColumns && row * m_nColumns + col < m_nColourCount;
}

void CColourPopup::CreateToolTips() {
    if (!m_toolTip.Create(this)) return;
    for (int row = 0; row < m_nRows; ++row) {
        for (int col = 0; col < m_nColumns && row * m_nColumns + col < m_nColourCount; ++col) {
            CRect cell;
            RECT* pCell = &cell;
            if (GetCellRect(row, col, pCell)) m_toolTip.AddTool(this, GetColourName(row, col), &cell, 1);
        }
    }
}

// --- choosing --------------------------------------------------------------

void CColourPopup::FindCellFromColour(COLORREF crColour) {
    for (int i = 0; i < m_nColourCount; ++i) {
        if (m_crColours[i].crColour == crColour) {
            m_nChosenRow = i / kColumns;
            m_nChosenCol = i % kColumns;
            return;
        }
    }
    m_nChosenRow = m_nChosenCol = kCustom;
}

void CColourPopup::Notify(UINT message, COLORREF crColour) {
    if (m_pParent && ::IsWindow(m_pParent->GetSafeHwnd())) m_pParent->SendMessage(message, crColour, 0);
}

void CColourPopup::ChangeSelection(int row, int col) {
    CClientDC dc(this);
    if ((m_nHotRow >= 0 && m_nHotCol >= 0) || m_nHotCol == kCustom) {
        const int oldRow = m_nHotRow;
        const int oldCol = m_nHotCol;
        m_nHotRow = m_nHotCol = kNone;
        DrawCell(&dc, oldRow, oldCol);
    }
    m_nHotRow = row;
    m_nHotCol = col;
    DrawCell(&dc, row, col);
    if (IsCustom(row, col)) {
        Notify(CPICK_SELCHANGE, m_crInitial);
    } else {
        m_crCurrent = GetColour(row, col);
        Notify(CPICK_SELCHANGE, m_crCurrent);
    }
}

// Reports the choice and closes: the window goes, and the object with it.
void CColourPopup::EndSelection(int message) {
    ::ReleaseCapture();
    if (static_cast<UINT>(message) == CPICK_SELENDCANCEL) {
        m_crCurrent = m_crInitial;
    } else if (IsCustom(m_nHotRow, m_nHotCol)) {
        CColorDialog dlg(m_crInitial, CC_FULLOPEN | CC_ANYCOLOR, this);
        m_crCurrent = dlg.DoModal() == IDOK ? dlg.GetColor() : m_crInitial;
    }
    // The receiver may close the window that owns the popup: keep only the handle.
    const HWND hWnd = m_hWnd;
    Notify(static_cast<UINT>(message), m_crCurrent);
    if (::IsWindow(hWnd)) ::DestroyWindow(hWnd);
}

void CColourPopup::OnMouseMove(UINT nFlags, CPoint point) {
    int row = kNone;
    int col = kNone;
    if (m_bShowCustom && m_rcCustomText.PtInRect(point)) {
        if (!IsCustom(m_nHotRow, m_nHotCol)) ChangeSelection(kCustom, kCustom);
    } else if (CellFromPoint(point, row, col) && (row != m_nHotRow || col != m_nHotCol)) {
        ChangeSelection(row, col);
    }
    CWnd::OnMouseMove(nFlags, point);
}

// Down and Up move by rows, Right and Left by columns, wrapping within the
// grid; Down past the last row and Up past the first reach the custom entry.
void CColourPopup::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    int row = m_nHotRow;
    int col = m_nHotCol;
    switch (nChar) {
    case VK_DOWN:
        if (row < 0)
            row = col = 0;
        else if (row < m_nRows - 1)
            ++row;
        else
            row = col = kCustom;
        break;
    case VK_UP:
        if (row < 0)
            row = m_nRows - 1, col = 0;
        else if (row > 0)
            --row;
        else
            row = col = kCustom;
        break;
    case VK_RIGHT:
        if (col < 0)
            row = col = 0;
        else
            col = col < m_nColumns - 1 ? col + 1 : 0;
        break;
    case VK_LEFT:
        if (col < 0)
            row = m_nRows - 1, col = m_nColumns - 1;
        else
            col = col > 0 ? col - 1 : m_nColumns - 1;
        break;
    case VK_ESCAPE:
        m_crCurrent = m_crInitial;
        EndSelection(CPICK_SELENDCANCEL);
        return;  // the popup is gone
    case VK_RETURN:
        EndSelection(CPICK_SELENDOK);
        return;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    ChangeSelection(row, col);
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

// The mouse is captured: a button released outside the popup cancels.
void CColourPopup::OnLButtonUp(UINT nFlags, CPoint point) {
    CWnd::OnLButtonUp(nFlags, point);
    const DWORD pos = ::GetMessagePos();
    const CPoint screen(static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos)));
    EndSelection(m_rcWindow.PtInRect(screen) ? CPICK_SELENDOK : CPICK_SELENDCANCEL);
}

void CColourPopup::OnNcDestroy() {
    CWnd::OnNcDestroy();
    delete this;
}

// --- painting --------------------------------------------------------------

void CColourPopup::OnPaint() {
    CPaintDC dc(this);
    for (int row = 0; row < m_nRows; ++row) {
        for (int col = 0; col < m_nColumns; ++col) DrawCell(&dc, row, col);
    }
    if (m_bShowCustom) DrawCell(&dc, kCustom, kCustom);
    CRect client;
    GetClientRect(&client);
    dc.DrawEdge(&client, EDGE_RAISED, BF_RECT);
}

void CColourPopup::DrawCell(CDC* pDC, int row, int col) {
    const int m = m_nMargin;
    const bool hot = row == m_nHotRow && col == m_nHotCol;
    if (IsCustom(row, col)) {
        if (!m_bShowCustom) return;
        pDC->FillSolidRect(&m_rcCustomText, ::GetSysColor(COLOR_BTNFACE));
        CRect label(m_rcCustomText);
        label.bottom -= 2 * m + 2;
        if (hot) pDC->DrawEdge(&label, EDGE_RAISED, BF_RECT);
        CFont* pOldFont = pDC->SelectObject(&m_font);
        const int oldMode = pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(m_strCustomText, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        pDC->SetBkMode(oldMode);
        pDC->SelectObject(pOldFont);
        // An etched line under the label.
        const int lineLeft = m_rcCustomText.left + 2 * m;
        const int lineTop = m_rcCustomText.bottom - m - 2;
        const int lineWidth = m_rcCustomText.Width() - 4 * m;
        pDC->FillSolidRect(lineLeft, lineTop, lineWidth, 1, ::GetSysColor(COLOR_BTNSHADOW));
        pDC->FillSolidRect(lineLeft, lineTop + 1, lineWidth, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        return;
    }

    CRect cell;
    RECT* pCell = &cell;
    if (!GetCellRect(row, col, pCell) || row * m_nColumns + col >= m_nColourCount) return;
    CPalette* pOldPalette = nullptr;
    if (pDC->GetDeviceCaps(RASTERCAPS) & RC_PALETTE) {
        pOldPalette = pDC->SelectPalette(&m_palette, FALSE);
        pDC->RealizePalette();
    }
    const bool chosen = row == m_nChosenRow && col == m_nChosenCol;
    pDC->FillSolidRect(&cell, ::GetSysColor(chosen && !hot ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE));
    if (chosen) pDC->DrawEdge(&cell, EDGE_SUNKEN, BF_RECT);
    if (hot) pDC->DrawEdge(&cell, EDGE_RAISED, BF_RECT);

    CRect swatch(cell);
    swatch.DeflateRect(m + 1, m + 1);
    CBrush brush(GetColour(row, col) | kPaletteRelative);
    CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->Rectangle(&swatch);
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
    if (pOldPalette) pDC->SelectPalette(pOldPalette, FALSE);
}

BOOL CColourPopup::OnQueryNewPalette() {
    Invalidate();
    return CWnd::OnQueryNewPalette();
}

void CColourPopup::OnPaletteChanged(CWnd* pFocusWnd) {
    CWnd::OnPaletteChanged(pFocusWnd);
    if (!pFocusWnd || pFocusWnd->GetSafeHwnd() != m_hWnd) Invalidate();
}
