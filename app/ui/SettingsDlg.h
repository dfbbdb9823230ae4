// SettingsDlg.h - the settings dialog: the three confirmation questions and
// the clearing of the file-name and target-folder histories.
//
// Classes:
//   CSettingsDlg  modal; the clear buttons only record the wish, which the
//                 main dialog carries out when the dialog ends with OK
#pragma once

#include <afxwin.h>

class CSettingsDlg : public CDialog {
public:
    explicit CSettingsDlg(CWnd* pParent = nullptr);

    bool m_bClearFolder;       // "クリア(&C)" was pressed
    bool m_bClearFileName;     // "クリア(&F)" was pressed
    BOOL m_bMsgDelete;         // ask before deleting list entries
    BOOL m_bMsgReset;          // ask before emptying the list
    BOOL m_bMsgContinueStart;  // ask before a run

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnClearFileName();
    afx_msg void OnClearFolder();
    DECLARE_MESSAGE_MAP()
};
