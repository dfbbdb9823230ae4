// SdkSample.cpp - a small program built on an installed Vokit SDK: one
// dialog with a folder field (button edit), an extended list control and a
// combo box with a history.
//
//   VokitSdkSample.exe           shows the dialog
//   VokitSdkSample.exe /check    shows it, checks the controls, closes it, and
//                                exits with 0 when everything worked
#include <Vokit.h>

#include <cstring>

#include "SdkSampleRes.h"

namespace {

const UINT WM_RUN_CHECK = WM_APP + 1;

tag_COLINFO g_columns[] = {
    {"名前", 0, 120, LX_EDIT_NONE, nullptr, 0, 0},
    {"サイズ", 1, 80, LX_EDIT_NONE, nullptr, 0, 0},
};

}  // namespace

// The sample's dialog.
class CSampleDlg : public CDialog {
public:
    explicit CSampleDlg(bool check) : CDialog(IDD_SAMPLE), m_bCheck(check) {}

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_folder.SubclassDlgItem(IDC_FOLDER, this);
        m_folder.Make(BT_FOLDER);
        m_folder.SetWindowText("C:\\");
        m_history.SubclassDlgItem(IDC_HISTORY, this);
        m_list.SubclassDlgItem(IDC_LIST, this);
        m_list.SetColInfo(g_columns, 2, FALSE);
        m_list.EnableGrid(TRUE, FALSE);
        m_list.AddItem(0, "a.jpg\t1,024", -1);
        m_list.AddItem(1, "表.jpg\t2,048", -1);
        if (m_bCheck) PostMessage(WM_RUN_CHECK);
        return TRUE;
    }

    // Works the controls as a user would and ends the dialog with 0 when
    // each did what it should, 1 otherwise.
    afx_msg LRESULT OnRunCheck(WPARAM, LPARAM) {
        bool ok = m_folder.GetDlgItem(CVoButtonEdit::IDC_VO_BUTTON) != nullptr;
        CString text;
        m_folder.GetWindowText(text);
        ok = ok && text == "C:\\";
        ok = ok && m_list.GetItemCount() == 2 && m_list.GetItemText(1, 0) == "表.jpg";
        m_history.SetWindowText("写真");
        m_history.Apply();
        m_history.SetWindowText("書類");
        m_history.Apply();
        CString first;
        ok = ok && m_history.GetCount() == 2;
        if (ok) m_history.GetLBText(0, first);
        ok = ok && first == "書類";
        EndDialog(ok ? 0 : 1);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    bool m_bCheck;
    CVoButtonEdit m_folder;
    CListCtrlEx m_list;
    CRecentComboBox m_history;
};

BEGIN_MESSAGE_MAP(CSampleDlg, CDialog)
    ON_MESSAGE(WM_RUN_CHECK, OnRunCheck)  // LRESULT OnRunCheck(WPARAM, LPARAM)
END_MESSAGE_MAP()

// The application object: runs the dialog and passes its result on as the
// exit code.
class CSampleApp : public CWinApp {
public:
    BOOL InitInstance() override {
        const bool check = m_lpCmdLine && std::strstr(m_lpCmdLine, "/check") != nullptr;
        CSampleDlg dlg(check);
        m_pMainWnd = &dlg;
        const INT_PTR result = dlg.DoModal();
        m_nExitCode = check ? static_cast<int>(result) : 0;
        m_pMainWnd = nullptr;
        return FALSE;
    }
    int ExitInstance() override { return m_nExitCode; }

private:
    int m_nExitCode = 0;
};

CSampleApp theApp;
