// CStatusBar.h - the status bar along the bottom of a frame window.
//
// Classes:
//   CStatusBar  a control bar of panes side by side, each with a command ID,
//               a style, a width and a text. The panes come from an array of
//               IDs (SetIndicators): ID_SEPARATOR gives an empty pane (the
//               first one stretches over the room the others leave), any
//               other ID a pane whose text and width come from the string
//               resource of that ID. At idle time every pane with an ID gets
//               an ON_UPDATE_COMMAND_UI update (Enable shows or hides its
//               text, SetText sets it, SetCheck raises it). A size grip at
//               the right end sizes a resizable frame.
//
//   Create(pParentWnd, dwStyle, nID)       WS_CHILD | WS_VISIBLE | CBRS_BOTTOM
//   SetIndicators(lpIDArray, nIDCount)     FALSE when a string is missing
//   CommandToIndex(nID)                    -1 when no pane has the ID
//   SetPaneText(nIndex, lpszText, bUpdate) repaints the pane (bUpdate)
//   SetPaneInfo(nIndex, nID, nStyle, cxWidth)
#pragma once

#include "CControlBar.h"
#include "CString.h"

#include <vector>

#ifndef ID_SEPARATOR
#define ID_SEPARATOR 0  // an indicator without command: an empty pane
#endif

// Pane styles.
#define SBPS_NORMAL    0x0000
#define SBPS_NOBORDERS 0x0100      // no sunken edge
#define SBPS_POPOUT    0x0200      // a raised edge instead
#define SBPS_DISABLED  0x04000000  // the text is not drawn
#define SBPS_STRETCH   0x08000000  // takes the room the other panes leave

class AFX_API CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    ~CStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);

    // --- panes ---
    // One pane per ID (lpIDArray may be null: nIDCount separators). A
    // separator pane is empty and has no width; the first pane, when it is
    // one, stretches and has no edge. Any other ID loads its string as the
    // pane's text and width; FALSE when a string is missing (its pane stays
    // empty and narrow).
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    int GetCount() const { return static_cast<int>(m_panes.size()); }
    // The pane with the command ID; -1 when none.
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    // The pane's rectangle in the bar's client area; empty while the
    // pane has no room.
    void GetItemRect(int nIndex, LPRECT lpRect) const;

    // The text is repainted at once when bUpdate and it changed.
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }
    // cxWidth: the text's room in pixels, without the pane's edge.
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);

    // --- control bar ---
    // The panes' height; the bar spans the frame (or the panes' widths).
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;
    // Updates every pane that has an ID; a pane nobody updates keeps its state.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    struct Pane {
        UINT nID = ID_SEPARATOR;
        UINT nStyle = SBPS_NORMAL;
        int cxText = 0;
        CString strText;
    };
    BOOL IsValidIndex(int nIndex) const;
    // The font the panes are drawn and measured with (borrowed).
    HFONT GetPaneFont() const;
    // The pixel width of text in the pane font.
    int MeasureText(LPCSTR lpszText) const;
    // The panes' rectangles for the client area now (the last pane may be
    // cut off at the size grip).
    std::vector<CRect> CalcPaneRects() const;
    // The size grip's square in the client area; empty when the frame
    // cannot be sized or the bar is not at its bottom.
    CRect GetGripRect() const;
    void InvalidatePane(int nIndex);

    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    std::vector<Pane> m_panes;
    HFONT m_hFont;  // not owned; null: the default GUI font
};
