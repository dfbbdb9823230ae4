// ListCtrlEx.h - the extended report list: a caller-owned column table,
// owner-drawn rows with tint, grid frames, fixed columns and colour
// prefixes, tab-separated rows, selection helpers and in-place editors.
#pragma once

#include <afxwin.h>

#include "LxCalcEdit.h"
#include "LxComboBox.h"
#include "LxEdit.h"
#include "VokitDefs.h"

// The editors a column can have (tag_COLINFO::nEditType).
enum {
    LX_EDIT_NONE = 0,   // not editable
    LX_EDIT_TEXT = 1,   // CLxEdit
    LX_EDIT_CALC = 2,   // CLxCalcEdit; pEditInfo is the result format (const char*)
    LX_EDIT_COMBO = 3,  // CLxComboBox; pEditInfo is a tag_CBINFO*
};

// One column of the list. The caller owns the array and keeps it alive and
// in place while the list uses it; with width saving on, the list writes
// the column widths back into cx.
struct tag_COLINFO {
    const char* pszText;    // header text
    int nFormat;            // 0 left, 1 right, 2 centre
    int cx;                 // width in pixels
    int nEditType;          // LX_EDIT_xxx
    const void* pEditInfo;  // see LX_EDIT_xxx; not read for other types
    int nData1;             // the owner's; the list never touches it
    int nData2;             // the owner's; the list never touches it
};

// The colour prefix of an item text, "{r,g,b}": a cell text that starts
// with it is drawn in that colour, without the prefix.
VOKIT_API CString _GetListCtrlColorFormat(COLORREF clr);

// A report-view list that draws its rows itself (LVS_OWNERDRAWFIXED) and
// edits its cells in place, one editor kind per column. Derived classes
// take part in editing through CheckLine, AddNewLine, UpdateItem,
// ControlSet and ComboSelEnd.
class VOKIT_API CListCtrlEx : public CListCtrl {
    friend class CLxEdit;
    friend class CLxCalcEdit;
    friend class CLxComboBox;

public:
    CListCtrlEx(UINT nEditID = 0, UINT nCalcEditID = 0, UINT nComboID = 0);
    ~CListCtrlEx() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // --- hooks for derived classes ---
    // The keyboard moves the editor off row nItem (bLast: past the last
    // row); FALSE keeps it in the row.
    virtual BOOL CheckLine(int nItem, BOOL bLast);
    // The editor moves past the last row; a row appended here is entered.
    virtual void AddNewLine();
    // Cell (nItem, nCol) received the editor's text and the editor closed.
    virtual void UpdateItem(int nItem, int nCol);
    // An editor is being placed on cell (nItem, nCol).
    virtual void ControlSet(int nItem, int nCol, CWnd* pCtrl);
    // Entry nSel of the drop-down list of cell (nItem, nCol) was chosen.
    virtual void ComboSelEnd(int nItem, int nCol, int nSel);
    // The highest and the lowest selected row, or -1.
    virtual int GetLastSelItem();
    virtual int GetSelItem();

    // --- looks ---
    BOOL SetFullRowSel(BOOL b);
    BOOL GetFullRowSel();
    BOOL SetViewType(DWORD dwView);
    DWORD GetViewType();
    int SetColInfo(tag_COLINFO* pInfo, int nCount, BOOL bSaveWidth);
    int SetFixedCols(int nCols, BOOL bRedraw);
    void EnableGrid(BOOL b, BOOL bRedraw);
    BOOL IsGrid();
    void EnableIntervalLine(BOOL b, BOOL bRedraw);
    bool IsIntervalLine() const;

    // --- rows ---
    // One cell; sub-item 0 inserts a new row at nItem. nImage -1: no image.
    int AddItem(int nItem, int nSubItem, const char* pszText, int nImage);
    // A new row from tab-separated column texts (empty pieces are skipped).
    int AddItem(int nItem, const char* pszText, int nImage);
    int ReplaceItem(int nItem, int nSubItem, const char* pszText, int nImage);
    int ReplaceItem(int nItem, const char* pszText, int nImage);

    // --- selection ---
    // Selects or deselects row nItem (-1: clears the selection and returns
    // -1) and scrolls it into view; nItem, or -1 on failure.
    int SetSel(int nItem, BOOL bSelect);
    bool SetAllSel();
    // At most nMax selected rows, ascending; returns how many were written.
    int GetSelItems(int nMax, int* pItems) const;

    // --- in-place editing ---
    // Moves the editor by a key (VK_RETURN, VK_LEFT, VK_UP, VK_RIGHT,
    // VK_DOWN) or, with nChar 0, to cell (nItem, nCol). FALSE for other keys.
    int MoveControl(UINT nChar, int nItem, int nCol);
    // Opens the editor of cell (nItem, nCol) if the cell may be edited.
    void _MoveControl(int nItem, int nCol);
    // Writes the editor's text into its cell; bHide also closes the editor.
    void EndEdit(BOOL bHide);
    // The first editable column at or after nCol, or -1.
    int FindNextCol(int nCol);
    // The last editable, non-fixed column at or before nCol, or -1.
    int FindPrevCol(int nCol);

    // --- state (see the constructor for the initial values) ---
    bool m_bIntervalLine;
    COLORREF m_clrIntervalLine;
    BOOL m_bGrid;
    int m_nFixedCols;
    BOOL m_bFullRowSel;
    BOOL m_bSaveColumnWidth;
    tag_COLINFO* m_pColInfo;
    int m_nColInfo;
    int m_nEditItem;
    int m_nEditCol;
    UINT m_nEditID;
    UINT m_nCalcEditID;
    UINT m_nComboID;
    BOOL m_bEditing;
    CLxEdit m_editCell;
    CLxCalcEdit m_calcCell;
    CLxComboBox m_comboCell;
    int m_cxStateImage;
    COLORREF m_clrCellBk;
    COLORREF m_clrListBk;

protected:
    // Cuts pszLong to fit nColumnLen pixels (less nOffset), ending it with
    // "..."; returns pszLong itself when it fits.
    static const char* MakeShortString(CDC* pDC, const char* pszLong, int nColumnLen, int nOffset);
    // Removes a leading colour prefix from pszText and returns its colour;
    // without one, the DC's text colour.
    static COLORREF GetStringColor(CDC* pDC, char* pszText);
    UINT AtoDTA(UINT nFormat);
    void RepaintSelectedItems();
    void SaveColumnWidth();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetImageList(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetTextColor(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetTextBkColor(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetBkColor(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // The focus came or went: repaint the highlight unless an editor of
    // this list is the other side.
    void FocusChanged(CWnd* pOtherWnd);
    // The tab-split forms of AddItem and ReplaceItem.
    int SetRowTexts(int nItem, const char* pszText, int nImage, bool bInsert);
    // The column table's record of nCol, or null.
    const tag_COLINFO* ColumnRecord(int nCol) const;
    // Left edge of column nCol in a row starting at xRow (table widths).
    int ColumnLeft(int xRow, int nCol) const;
    // The editor window of an editor kind, or null.
    CWnd* EditorOf(int nEditType);
    // The rectangle of cell (nItem, nCol), scrolled into view.
    CRect CellRectInView(int nItem, int nCol);
    // Places (creating on first use) the editor of nEditType on rect.
    void PlaceEditor(int nEditType, int nItem, int nCol, CRect& rect);
    void DrawIcons(CDC* pDC, const LVITEMA& item, const CRect& rcItem, BOOL bSelected);
    void FrameCell(CDC* pDC, const CRect& rcCell, BOOL bFill);
};
