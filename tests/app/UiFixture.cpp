// UiFixture.cpp - shared set-up and user actions of the dialog tests.
#include "UiFixture.h"

#include <Vokit.h>

#if __has_include("ProgressDlg.h")
#include "ProgressDlg.h"
#define TEST_HAS_PROGRESS_DLG 1
#endif

std::vector<std::string> MenuTexts(HMENU hMenu) {
    std::vector<std::string> texts;
    const int count = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        char text[512] = {};
        ::GetMenuStringA(hMenu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        texts.push_back(text);
    }
    return texts;
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void OrdovanUiTest::SetUp() {
    app.m_strProgramFolder = (programFolder.Path() + "\\").c_str();
#ifdef TEST_HAS_PROGRESS_DLG
    InstallRunProgress();
#endif
    g_bMoveRename = false;
    g_strMoveFolder.Empty();
    // The column table is shared by every list: start each test ascending.
    tag_COLINFO* columns = CFileListCtrl::GetColumnTable();
    for (int i = 0; i < CFileListCtrl::COLUMN_COUNT; ++i) columns[i].nData1 = 1;
}

void OrdovanUiTest::TearDown() {
    if (dlg && dlg->GetSafeHwnd()) dlg->DestroyWindow();
    dlg.reset();
    app.m_pMainWnd = nullptr;
    PumpMessages();
}

COrdovanDlg& OrdovanUiTest::Open(int dpi) {
    app.m_pMainWnd = nullptr;
    if (dlg && dlg->GetSafeHwnd()) dlg->DestroyWindow();
    dlg.reset(new COrdovanDlg);
    if (dpi > 0) dlg->m_nDpi = dpi;
    EXPECT_TRUE(dlg->Create(IDD_ORDOVAN_DIALOG));
    app.m_pMainWnd = dlg.get();
    PumpMessages();
    return *dlg;
}

void OrdovanUiTest::Close() {
    dlg->SendMessage(WM_COMMAND, IDCANCEL, 0);
    dlg->DestroyWindow();
    app.m_pMainWnd = nullptr;
}

void OrdovanUiTest::Click(int nID) {
    CWnd* control = dlg->GetDlgItem(nID);
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control ? control->m_hWnd : nullptr));
}

void OrdovanUiTest::SetCheck(int nID, bool checked) {
    dlg->CheckDlgButton(nID, checked ? BST_CHECKED : BST_UNCHECKED);
    Click(nID);
}

void OrdovanUiTest::TypeStartNumber(const std::string& text) {
    // The calculator field evaluates what was typed when it loses the focus.
    dlg->SetDlgItemText(IDC_START_NUMBER, text.c_str());
}

void OrdovanUiTest::TypeFileName(const std::string& text) {
    CWnd* combo = dlg->GetDlgItem(IDC_FILE_NAME);
    combo->SetWindowText(text.c_str());
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FILE_NAME, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo->m_hWnd));
}

void OrdovanUiTest::ChooseDigits(int index) {
    CWnd* figure = dlg->GetDlgItem(IDC_FIGURE);
    figure->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FIGURE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(figure->m_hWnd));
}

void OrdovanUiTest::ChooseTargetFolder(const std::string& folder) {
    dlg->SetDlgItemText(IDC_CONTINUE_PATH, folder.c_str());
}

void OrdovanUiTest::ClickColumn(int column) {
    NMLISTVIEW info = {};
    info.hdr.hwndFrom = dlg->m_listCtrl.m_hWnd;
    info.hdr.idFrom = IDC_FILE_LIST;
    info.hdr.code = LVN_COLUMNCLICK;
    info.iItem = -1;
    info.iSubItem = column;
    dlg->SendMessage(WM_NOTIFY, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&info));
}

void OrdovanUiTest::SelectRows(const std::vector<int>& rows) {
    CListCtrl& list = dlg->m_listCtrl;
    list.SetItemState(-1, 0, LVIS_SELECTED);
    for (int row : rows) list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
}

std::string OrdovanUiTest::Text(int nID) const {
    CString text;
    dlg->GetDlgItemText(nID, text);
    return std::string(text);
}

bool OrdovanUiTest::IsEnabled(int nID) const {
    CWnd* control = dlg->GetDlgItem(nID);
    return control && control->IsWindowEnabled();
}

std::vector<std::string> OrdovanUiTest::Rows() const {
    std::vector<std::string> rows;
    const CListCtrl& list = dlg->m_listCtrl;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        std::string text;
        for (int column = 0; column < CFileListCtrl::COLUMN_COUNT; ++column)
            text += (column ? "|" : "") + std::string(list.GetItemText(row, column));
        rows.push_back(text);
    }
    return rows;
}

std::string OrdovanUiTest::RowNames() const {
    std::string names;
    const CListCtrl& list = dlg->m_listCtrl;
    for (int row = 0; row < list.GetItemCount(); ++row)
        names += (row ? "," : "") + std::string(list.GetItemText(row, 1));
    return names;
}

std::vector<int> OrdovanUiTest::SelectedRows() const {
    std::vector<int> rows;
    const CListCtrl& list = dlg->m_listCtrl;
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = list.GetNextItem(row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

std::string OrdovanUiTest::Prefix() { return std::string(_GetComputerName()) + "_"; }

void OrdovanUiTest::WriteIni(const std::string& section, const std::string& key, const std::string& value) const {
    ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), IniPath().c_str());
}

void OrdovanUiTest::MakeFiles(const std::vector<std::string>& names) {
    for (const std::string& name : names) files.WriteFile(name, name);
}
