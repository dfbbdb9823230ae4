// ListTestSupport.cpp - the test dialog, the recording list and the input
// and drawing helpers of the list control tests.
#include "ListTestSupport.h"

namespace listtest {

BOOL CTestList::CheckLine(int nItem, BOOL bLast) {
    checkLines.emplace_back(nItem, bLast);
    return checkLineResult;
}

void CTestList::AddNewLine() {
    ++addNewLines;
    if (!appendOnNewLine) return;
    CString row;
    row.Format("%d\tnew", GetItemCount() + 1);
    AddItem(GetItemCount(), row, -1);
}

void CTestList::UpdateItem(int nItem, int nCol) { updates.emplace_back(nItem, nCol); }

void CTestList::ControlSet(int nItem, int nCol, CWnd* pCtrl) {
    controlSets.emplace_back(nItem, nCol);
    controlSetWindows.push_back(pCtrl);
    if (throwInControlSet) AfxThrowMemoryException();
}

void CTestList::ComboSelEnd(int nItem, int nCol, int nSel) { comboSelEnds.push_back({nItem, nCol, nSel}); }

void CTestList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    ++draws;
    CLxBase::DrawItem(lpDrawItemStruct);
}

CWnd* CTestList::OpenEditor() {
    CWnd* editors[] = {&m_editCell, &m_calcCell, &m_comboCell};
    for (CWnd* editor : editors)
        if (editor->m_hWnd && editor->IsWindowVisible() && editor->IsWindowEnabled()) return editor;
    return nullptr;
}

Cell CTestList::EditorCell() { return OpenEditor() ? Cell(m_nEditItem, m_nEditCol) : Cell(-1, -1); }

BOOL CListDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_LIST, this);
    return TRUE;
}

void Pump() {
    MSG msg;
    for (int n = 0; n < 10000 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++n) AfxDispatchMessage(&msg);
}

void Click(CWnd& wnd, CPoint point, UINT nKeys) {
    const LPARAM lParam = MAKELPARAM(point.x, point.y);
    wnd.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON | nKeys, lParam);
    wnd.PostMessage(WM_LBUTTONUP, nKeys, lParam);
    Pump();
}

void PressKey(UINT nVirtualKey) {
    HWND hFocus = ::GetFocus();
    ::PostMessageA(hFocus, WM_KEYDOWN, nVirtualKey, 1);
    ::PostMessageA(hFocus, WM_KEYUP, nVirtualKey, 0xC0000001);
    Pump();
}

void TypeText(const char* pszText) {
    HWND hFocus = ::GetFocus();
    for (const char* p = pszText; *p; ++p) ::PostMessageA(hFocus, WM_CHAR, static_cast<BYTE>(*p), 1);
    Pump();
}

std::string WindowText(const CWnd& wnd) {
    CString text;
    wnd.GetWindowText(text);
    return static_cast<const char*>(text);
}

std::string CellText(const CListCtrl& list, int nItem, int nCol) {
    return static_cast<const char*>(list.GetItemText(nItem, nCol));
}

tag_CBINFO ListDialogTest::s_fruits = {"L60,R50", "Apple\tred\nBanana\tyellow\n\nCherry\tdark red\n"};

void ListDialogTest::SetUp() {
    ASSERT_TRUE(dialog.Create(IDD_LISTTEST));
    dialog.ShowWindow(SW_SHOW);
    dialog.SetForegroundWindow();
    Pump();
    ASSERT_NE(nullptr, List().m_hWnd);
    const tag_COLINFO columns[kColumnCount] = {
        {"No", 0, 40, LX_EDIT_NONE, nullptr, 1, 0},   {"名前", 0, 90, LX_EDIT_TEXT, nullptr, 1, 1},
        {"価格", 1, 70, LX_EDIT_CALC, "%.0lf", 1, 2}, {"果物", 0, 90, LX_EDIT_COMBO, &s_fruits, 1, 3},
        {"メモ", 0, 90, LX_EDIT_TEXT, nullptr, 1, 4},
    };
    std::copy(columns, columns + kColumnCount, table);
    List().SetFixedCols(1, FALSE);
    List().EnableGrid(TRUE, FALSE);
    ASSERT_TRUE(List().SetColInfo(table, kColumnCount, TRUE));
    FillRows(4);
    List().SetFocus();
    Pump();
}

void ListDialogTest::TearDown() {
    dialog.DestroyWindow();
    Pump();
    AfxDeleteTempMaps();
}

void ListDialogTest::FillRows(int nRows) {
    static const char* const fruits[] = {"Apple", "Banana", "Cherry", "Kiwi"};
    List().DeleteAllItems();
    for (int i = 0; i < nRows; ++i) {
        CString row;
        row.Format("%d\tname %d\t%d\t%s\tmemo %d", i + 1, i + 1, (i + 1) * 10, fruits[i % 4], i + 1);
        ASSERT_TRUE(List().AddItem(i, row, -1));
    }
}

CRect ListDialogTest::CellRect(int nItem, int nCol) {
    CRect bounds;
    List().GetItemRect(nItem, bounds, LVIR_BOUNDS);
    int left = bounds.left;
    for (int i = 0; i < nCol; ++i) left += table[i].cx;
    return CRect(left, bounds.top, left + table[nCol].cx, bounds.bottom);
}

std::vector<int> ListDialogTest::Selected() {
    int rows[16] = {};
    int n = List().GetSelItems(16, rows);
    return std::vector<int>(rows, rows + n);
}

Canvas::Canvas(int cx, int cy, HFONT hFont) : m_cx(cx), m_cy(cy) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    m_hDC = ::CreateCompatibleDC(nullptr);
    m_hBitmap = ::CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    m_pBits = static_cast<const DWORD*>(pBits);
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    if (hFont) m_hOldFont = ::SelectObject(m_hDC, hFont);
}

Canvas::~Canvas() {
    if (m_hOldFont) ::SelectObject(m_hDC, m_hOldFont);
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

void Canvas::Fill(COLORREF clr) {
    RECT rect = {0, 0, m_cx, m_cy};
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    ::FillRect(m_hDC, &rect, hBrush);
    ::DeleteObject(hBrush);
}

COLORREF Canvas::Pixel(int x, int y) const {
    if (!m_pBits || x < 0 || y < 0 || x >= m_cx || y >= m_cy) return CLR_INVALID;
    ::GdiFlush();
    DWORD bgr = m_pBits[y * m_cx + x];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

int Canvas::Count(const RECT& rect, const std::function<bool(COLORREF)>& pred) const {
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (pred(Pixel(x, y))) ++n;
    return n;
}

int Canvas::LeftmostX(const RECT& rect, const std::function<bool(COLORREF)>& pred) const {
    for (int x = rect.left; x < rect.right; ++x)
        for (int y = rect.top; y < rect.bottom; ++y)
            if (pred(Pixel(x, y))) return x;
    return -1;
}

}  // namespace listtest
