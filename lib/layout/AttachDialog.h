// AttachDialog.h - a resizable dialog whose controls follow attachment rules.
//
// Classes:
//   CAttachDialog  dialog base class: every size change moves the controls
//                  by the rules registered in the derived dialog's
//                  OnInitDialog (after calling this class's), applies the
//                  tracking size limits and erases the background around
//                  the controls only
#pragma once

#include "AttachFormWndHelper.h"

class VOKIT_API CAttachDialog : public CDialog, public CAttachFormWndHelper {
public:
    CAttachDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    CAttachDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    CAttachDialog();
    ~CAttachDialog() override;

    // Takes the client size as the form size; registers and realizes nothing.
    BOOL OnInitDialog() override;

    // Message handlers; a derived dialog may call them from its own.
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);

    DECLARE_MESSAGE_MAP()
};
