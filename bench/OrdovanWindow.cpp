// OrdovanWindow.cpp - Ordovan's main dialog inside a benchmark.
#include "OrdovanWindow.h"

#include "ProgressDlg.h"
#include "resource.h"

namespace bench {

OrdovanWindow::OrdovanWindow(int x, int y) : m_settings("settings") {
    m_app.m_strProgramFolder = (m_settings.Path() + "\\").c_str();
    InstallRunProgress();  // as the application's start does
    m_dialog.reset(new COrdovanDlg);
    if (!m_dialog->Create(IDD_ORDOVAN_DIALOG)) return;
    m_app.m_pMainWnd = m_dialog.get();
    m_dialog->SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_dialog->m_bMsgDelete = false;
    m_dialog->m_bMsgReset = false;
    m_dialog->m_bMsgContinueStart = false;
}

OrdovanWindow::~OrdovanWindow() {
    if (m_dialog->GetSafeHwnd()) m_dialog->DestroyWindow();
    m_app.m_pMainWnd = nullptr;
}

void OrdovanWindow::Click(int nID) {
    CWnd* control = m_dialog->GetDlgItem(nID);
    m_dialog->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                          reinterpret_cast<LPARAM>(control ? control->m_hWnd : nullptr));
}

void OrdovanWindow::Press(int nID) {
    CWnd* button = m_dialog->GetDlgItem(nID);
    if (!button) return;
    CRect rect;
    button->GetClientRect(rect);
    const LPARAM at = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
    button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    button->SendMessage(WM_LBUTTONUP, 0, at);
}

void OrdovanWindow::Type(int nID, const std::string& text) {
    CWnd* control = m_dialog->GetDlgItem(nID);
    if (!control) return;
    control->SetWindowText(text.c_str());
    // The file-name box tells its dialog; edit boxes do so themselves.
    if (nID == IDC_FILE_NAME)
        m_dialog->SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(control->m_hWnd));
}

void OrdovanWindow::Check(int nID, bool checked) {
    m_dialog->CheckDlgButton(nID, checked ? BST_CHECKED : BST_UNCHECKED);
    Click(nID);
}

void OrdovanWindow::ChooseDigits(int index) {
    CWnd* figure = m_dialog->GetDlgItem(IDC_FIGURE);
    figure->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
    m_dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FIGURE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(figure->m_hWnd));
}

void OrdovanWindow::SearchAndAdd(const std::string& folder) {
    m_dialog->SetDlgItemText(IDC_CONTINUE_PATH, folder.c_str());
    Click(IDC_SEARCH_ADD);
}

void OrdovanWindow::SelectRows(int first, int last) {
    // All, then the others off: few calls for the selections measured here.
    CListCtrl& list = m_dialog->m_listCtrl;
    list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
    for (int row = 0; row < list.GetItemCount(); ++row) {
        if (row < first || row > last) list.SetItemState(row, 0, LVIS_SELECTED);
    }
    list.SetFocus();
}

void OrdovanWindow::Clear() {
    m_dialog->m_fileList.RemoveAll();
    m_dialog->RefreshList();
}

}  // namespace bench
