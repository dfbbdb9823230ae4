// ColourPopup.h - the drop-down grid of named colours behind CColourPicker,
// and the messages it and the picker send.
#pragma once

#include "VokitDefs.h"

#include <afxwin.h>

// Sent with the colour in wParam: by the popup to its parent window (lParam
// 0), and passed on by a CColourPicker to its parent (lParam = the
// picker's control ID).
const UINT CPICK_SELCHANGE = WM_USER + 1001;     // hot cell changed (2025)
const UINT CPICK_DROPDOWN = WM_USER + 1002;      // popup opened (2026; picker only)
const UINT CPICK_CLOSEUP = WM_USER + 1003;       // popup closed (2027; picker only)
const UINT CPICK_SELENDOK = WM_USER + 1004;      // choice accepted (2028)
const UINT CPICK_SELENDCANCEL = WM_USER + 1005;  // choice cancelled (2029)

// One colour of the popup's table and its English name (the tooltip text).
struct ColourTableEntry {
    COLORREF crColour;
    LPCSTR szName;
};

// A borderless popup with 5 rows of 8 colours and an optional custom entry
// ("More...") that opens the platform's colour dialog. The cell under the
// mouse or moved to with the arrow keys is hot; Return or a click inside
// accepts the hot colour, Escape or a click outside cancels. The popup
// holds the mouse capture while it is open and deletes itself when its
// window is destroyed, so it is always made with new.
class VOKIT_API CColourPopup : public CWnd {
public:
    CColourPopup();
    // Opens at p (screen coordinates) with crColour chosen; a null
    // szCustomText shows no custom entry. nID is not used.
    CColourPopup(CPoint p, COLORREF crColour, CWnd* pParentWnd, UINT nID, LPCSTR szCustomText);
    ~CColourPopup() override;

    void Initialise();
    BOOL Create(CPoint p, COLORREF crColour, CWnd* pParentWnd, UINT nID, LPCSTR szCustomText);

    // Relays every message to the tooltips.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The table entry of a cell (row * 8 + col); no range check.
    COLORREF GetColour(int row, int col) const;
    LPCSTR GetColourName(int row, int col) const;
    // The cell's rectangle in client coordinates; FALSE outside the grid
    // (the custom entry included).
    BOOL GetCellRect(int row, int col, RECT*& rect);

    void FindCellFromColour(COLORREF crColour);
    void ChangeSelection(int row, int col);
    void EndSelection(int message);
    void DrawCell(CDC* pDC, int row, int col);
    void SetWindowSize();
    void CreateToolTips();

    static ColourTableEntry m_crColours[40];

protected:
    afx_msg void OnNcDestroy();
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);

    // The cell at a point of the grid; FALSE in the margins or outside.
    BOOL CellFromPoint(CPoint point, int& row, int& col) const;
    void Notify(UINT message, COLORREF crColour);
    BOOL IsCustom(int row, int col) const { return row == -2 && col == -2; }

    int m_nColourCount;
    int m_nColumns;
    int m_nRows;
    int m_nBoxSize;
    int m_nMargin;
    int m_nHotRow;  // -1, -1: none; -2, -2: the custom entry
    int m_nHotCol;
    int m_nChosenRow;  // the cell of the colour it opened with; -2, -2: not in the table
    int m_nChosenCol;
    BOOL m_bShowCustom;
    CString m_strCustomText;
    CRect m_rcCustomText;  // the custom entry, client coordinates
    CRect m_rcWindow;      // the popup, screen coordinates
    CFont m_font;          // the system's message-box font
    CPalette m_palette;    // the table colours, for palette displays
    COLORREF m_crInitial;
    COLORREF m_crCurrent;
    CToolTipCtrl m_toolTip;  // one tool per cell
    CWnd* m_pParent;         // receives the messages; not owned

    DECLARE_MESSAGE_MAP()
};
