// LxComboBox.h - the in-place drop-down list of CListCtrlEx and the
// description of its entries.
#pragma once

#include <afxwin.h>

#include "VokitDefs.h"

// A drop-down list for one column of the list (tag_COLINFO::pEditInfo).
// The caller owns it.
struct tag_CBINFO {
    // Columns of the entries, separated by ",": a letter (R right, C centre,
    // any other left) and the width in pixels, e.g. "L80,R40".
    const char* pszLayout;
    // Entries separated by "\n"; the columns of an entry by tabs.
    const char* pszItems;
};

// An owner-drawn drop-down list whose entries show several columns. Only
// the first column of the chosen entry goes into the cell.
class VOKIT_API CLxComboBox : public CComboBox {
public:
    CLxComboBox();
    ~CLxComboBox() override;

    // Creates the list over the cell rect (rect becomes the window's
    // rectangle: the cell less 4 pixels, plus room for 10 entries), lets the
    // list prepare it (ControlSet) and fills it from pInfo.
    BOOL CreateLC(UINT nID, CRect& rect, tag_CBINFO* pInfo, CWnd* pParent);
    // Moves an existing list onto the cell rect, with the same geometry as
    // CreateLC gives a new one.
    void MoveLC(CRect& rect);
    // Replaces the columns and the entries.
    void SetSelStr(tag_CBINFO* pInfo);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    // One column of the entries: DT_LEFT, DT_CENTER or DT_RIGHT and a width.
    struct ColumnInfo {
        int nAlign;
        int nColWidth;
    };

    CFont m_font;
    int m_nDroppedWidth;  // sum of the column widths
    int m_nItemHeight;
    CArray<ColumnInfo, const ColumnInfo&> m_arrColumns;

protected:
    // Turns a cell rectangle into the window rectangle and item height.
    void FitToCell(CRect& rect);
    // Draws the columns of one entry into rcItem.
    void DrawColumns(CDC* pDC, const CStringArray& pieces, const CRect& rcItem);

    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSelEndOk();
    DECLARE_MESSAGE_MAP()
};
