// ZoomCombo.h - a zoom-percentage box for a view.
//
// Classes:
//   CZoomCombo  a drop-down combo box offering 100 % to 10 % in steps of
//               10 that also takes a typed percentage (1 to 100). When the
//               user picks or types a value (selection, Tab, Return,
//               Escape or leaving the box), it sends ZOOMCOMBO_CHANGED with
//               the percentage to its view; UpdateZoomNum asks the view for
//               its zoom with ZOOMCOMBO_QUERY and shows it.
#pragma once

#include "VokitDefs.h"

#include <afxwin.h>

// Sent to the view: lParam is the address of an int holding 100, into which
// the view writes its zoom percentage.
#define ZOOMCOMBO_QUERY   (WM_USER + 1000)
// Sent to the view: wParam is the chosen percentage (1 to 100).
#define ZOOMCOMBO_CHANGED (WM_USER + 1001)

class VOKIT_API CZoomCombo : public CComboBox {
public:
    CZoomCombo();
    explicit CZoomCombo(CView* pView);
    ~CZoomCombo() override;

    // Two names of one operation: the view that gets the zoom messages.
    void SetParentView(CView* pView) { m_pView = pView; }
    void SetView(CView* pView) { m_pView = pView; }

    // Always a drop-down, never sorted.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Tab, Return, Escape apply the text; Up and Down open the list.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The ten entries again, 100 % selected; the stored zoom stays.
    virtual void ResetContent();
    // Shows the view's zoom (100 without a view).
    void UpdateZoomNum();
    // The focus is on the box or its edit field.
    BOOL HasFocus();

    CView* m_pView;  // not owned
    int m_nZoom;     // the zoom shown last
    CFont m_font;    // owned

protected:
    // Shows percent (selecting its entry, or as text); nothing when it is
    // shown already, unless bForce.
    void SetZoomNum(int percent, BOOL bForce);
    // Adds the ten entries; FALSE as soon as one fails.
    BOOL AddZoomEntries();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // Applies the box's text: the leading number, 0 as 100, kept in 1 ... 100.
    afx_msg void OnKillfocus();
    afx_msg void OnSelendok();
    afx_msg void OnSelendcancel();
    DECLARE_MESSAGE_MAP()
};
