// SettingsDlg.cpp - the settings dialog.
#include "SettingsDlg.h"

#include "resource.h"

CSettingsDlg::CSettingsDlg(CWnd* pParent)
    : CDialog(IDD_SETTINGS, pParent), m_bClearFolder(false), m_bClearFileName(false), m_bMsgDelete(TRUE),
      m_bMsgReset(TRUE), m_bMsgContinueStart(TRUE) {}

void CSettingsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_MSG_DELETE, m_bMsgDelete);
    DDX_Check(pDX, IDC_MSG_RESET, m_bMsgReset);
    DDX_Check(pDX, IDC_MSG_CONTINUE_START, m_bMsgContinueStart);
}

BEGIN_MESSAGE_MAP(CSettingsDlg, CDialog)
    ON_BN_CLICKED(IDC_CLEAR_FILE_NAME, OnClearFileName)
    ON_BN_CLICKED(IDC_CLEAR_FOLDER, OnClearFolder)
END_MESSAGE_MAP()

void CSettingsDlg::OnClearFileName() {
    m_bClearFileName = true;
    if (CWnd* button = GetDlgItem(IDC_CLEAR_FILE_NAME)) button->EnableWindow(FALSE);
}

void CSettingsDlg::OnClearFolder() {
    m_bClearFolder = true;
    if (CWnd* button = GetDlgItem(IDC_CLEAR_FOLDER)) button->EnableWindow(FALSE);
}
