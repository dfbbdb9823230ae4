// OrdovanDlgSettings.cpp - the main dialog's settings file (Ordovim.ini),
// the settings dialog and the history menus of the two folder fields.
//
// Single values are kept per computer ("<computer>_<key>"); the histories
// are numbered sections shared by every computer.
#include "OrdovanDlg.h"

#include "OrdovanApp.h"
#include "SettingsDlg.h"
#include "resource.h"

namespace {

const char kSetup[] = "Setup";
const char kViewData[] = "ViewData";
const char kWindowSize[] = "WindowSize";
const char kDialogRect[] = "DialogRect";
const char kRecentFileName[] = "RecentFileName";
const char kRecentFolder[] = "RecentFolder";
const char kRecentMoveFolder[] = "RecentMoveFolder";

const char kMsgDelete[] = "MsgDelete";
const char kMsgReset[] = "MsgReset";
const char kMsgContinueStart[] = "MsgContinueStart";

const bool kPerComputer = true;

// The most entries a history menu shows.
const int kMenuEntries = 10;

// A menu shows '&' as a mnemonic mark; "&&" shows one '&'.
CString MenuText(const CString& text) {
    CString escaped(text);
    escaped.Replace("&", "&&");
    return escaped;
}

}  // namespace

// ---- The settings file ------------------------------------------------------------

void COrdovanDlg::LoadSettings() {
    const CString ini = GetIniPath();
    m_comboFileName.Read(kRecentFileName, ini);
    m_strContinuePath = _ReadIni(kViewData, "ContinuePath", "", ini, kPerComputer);
    m_strMoveFolder = _ReadIni(kViewData, "MoveFolder", "", ini, kPerComputer);
    m_strCurrentFileName = _ReadIni(kViewData, "CurrentFileName", "", ini, kPerComputer);
    m_bRenameFile = _ReadIniBool(kViewData, "RenameFile", false, ini, kPerComputer);
    m_bMoveRename = _ReadIniBool(kViewData, "MoveRename", false, ini, kPerComputer);
    m_nStartNumber = _ReadIniNum(kViewData, "StartNumber", ini, kPerComputer);
    m_bSubFolder = _ReadIniBool(kViewData, "SubFolder", false, ini, kPerComputer);
    if (CComboBox* figure = FigureList()) {
        // A stored width the list does not offer falls back to "無し".
        int width = _ReadIniNum(kViewData, "Figure", ini, kPerComputer);
        if (width < 0 || width >= figure->GetCount()) width = 0;
        figure->SetCurSel(width);
    }
    UpdateData(FALSE);
    // The enabling rules, as the two check boxes apply them.
    OnRenameFile();
    OnMoveRename();
}

void COrdovanDlg::SaveSettings() {
    UpdateData(TRUE);
    const CString ini = GetIniPath();
    m_comboFileName.Write(kRecentFileName, ini);
    _WriteIni(kViewData, "ContinuePath", m_strContinuePath, ini, kPerComputer);
    _WriteIni(kViewData, "MoveFolder", m_strMoveFolder, ini, kPerComputer);
    _WriteIni(kViewData, "CurrentFileName", m_strCurrentFileName, ini, kPerComputer);
    _WriteIniBool(kViewData, "RenameFile", m_bRenameFile != FALSE, ini, kPerComputer);
    _WriteIniBool(kViewData, "MoveRename", m_bMoveRename != FALSE, ini, kPerComputer);
    _WriteIniNum(kViewData, "StartNumber", m_nStartNumber, ini, kPerComputer);
    _WriteIniBool(kViewData, "SubFolder", m_bSubFolder != FALSE, ini, kPerComputer);
    if (CComboBox* figure = FigureList()) _WriteIniNum(kViewData, "Figure", figure->GetCurSel(), ini, kPerComputer);

    if (!m_strContinuePath.IsEmpty()) m_recentFolder.Add(m_strContinuePath);
    m_recentFolder.Write(kRecentFolder, ini);
    if (!m_strMoveFolder.IsEmpty()) m_recentMoveFolder.Add(m_strMoveFolder);
    m_recentMoveFolder.Write(kRecentMoveFolder, ini);
}

void COrdovanDlg::RestoreWindowRect() {
    CRect rect;
    _ReadIniRect(kWindowSize, kDialogRect, &rect, GetIniPath(), kPerComputer);
    if (!rect.IsRectEmpty()) MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

// The rectangle of the window as it stands; a minimised window gives the
// place it will be restored to, not its parking place off the screen.
void COrdovanDlg::StoreWindowRect() {
    CRect rect;
    GetWindowRect(&rect);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (IsIconic() && GetWindowPlacement(&placement)) rect = placement.rcNormalPosition;
    _WriteIniRect(kWindowSize, kDialogRect, &rect, GetIniPath(), kPerComputer);
}

void COrdovanDlg::ReadConfirmations() {
    const CString ini = GetIniPath();
    m_bMsgDelete = _ReadIniBool(kSetup, kMsgDelete, true, ini, kPerComputer);
    m_bMsgReset = _ReadIniBool(kSetup, kMsgReset, true, ini, kPerComputer);
    m_bMsgContinueStart = _ReadIniBool(kSetup, kMsgContinueStart, true, ini, kPerComputer);
}

void COrdovanDlg::ReadFolderHistories() {
    const CString ini = GetIniPath();
    m_recentFolder.Read(kRecentFolder, ini);
    m_recentMoveFolder.Read(kRecentMoveFolder, ini);
}

// ---- The settings dialog --------------------------------------------------------------

// The confirmations are stored at once; the file-name history is emptied in
// the file at once, the target-folder history when the dialog closes.
void COrdovanDlg::OnSettings() {
    CSettingsDlg dlg(this);
    dlg.m_bMsgDelete = m_bMsgDelete;
    dlg.m_bMsgReset = m_bMsgReset;
    dlg.m_bMsgContinueStart = m_bMsgContinueStart;
    if (dlg.DoModal() != IDOK) return;

    m_bMsgDelete = dlg.m_bMsgDelete != FALSE;
    m_bMsgReset = dlg.m_bMsgReset != FALSE;
    m_bMsgContinueStart = dlg.m_bMsgContinueStart != FALSE;
    const CString ini = GetIniPath();
    _WriteIniBool(kSetup, kMsgDelete, m_bMsgDelete, ini, kPerComputer);
    _WriteIniBool(kSetup, kMsgReset, m_bMsgReset, ini, kPerComputer);
    _WriteIniBool(kSetup, kMsgContinueStart, m_bMsgContinueStart, ini, kPerComputer);

    if (dlg.m_bClearFileName) {
        m_comboFileName.ResetContent();
        m_comboFileName.Write(kRecentFileName, ini);
    }
    if (dlg.m_bClearFolder) m_recentFolder.ResetContent();
}

// ---- History menus ----------------------------------------------------------------------

void COrdovanDlg::ShowHistoryMenu(int nIDButton, const CRecent& recent, UINT nFirstCommand) {
    CWnd* button = GetDlgItem(nIDButton);
    if (!button) return;
    CRect rect;
    button->GetWindowRect(&rect);

    CMenu menu;
    if (!menu.CreatePopupMenu()) return;
    const int count = recent.GetSize() < kMenuEntries ? recent.GetSize() : kMenuEntries;
    if (count == 0) menu.AppendMenu(MF_STRING, nFirstCommand, "履歴はありません");
    for (int i = 0; i < count; ++i) menu.AppendMenu(MF_STRING, nFirstCommand + i, MenuText(recent[i]));
    menu.TrackPopupMenu(0, rect.left, rect.bottom, this);
    menu.DestroyMenu();
}

void COrdovanDlg::OnFolderHistory() { ShowHistoryMenu(IDC_FOLDER_HISTORY, m_recentFolder, ID_RECENT_FOLDER_FIRST); }

void COrdovanDlg::OnMoveFolderHistory() {
    ShowHistoryMenu(IDC_MOVE_FOLDER_HISTORY, m_recentMoveFolder, ID_RECENT_MOVE_FOLDER_FIRST);
}

// Choosing an entry fills the field; the entry moves to the front of its
// history only at the next search or close.
void COrdovanDlg::OnPickFolder(UINT nID) {
    const int i = static_cast<int>(nID) - ID_RECENT_FOLDER_FIRST;
    if (i < 0 || i >= m_recentFolder.GetSize()) return;
    m_strContinuePath = m_recentFolder[i];
    UpdateData(FALSE);
}

void COrdovanDlg::OnPickMoveFolder(UINT nID) {
    const int i = static_cast<int>(nID) - ID_RECENT_MOVE_FOLDER_FIRST;
    if (i < 0 || i >= m_recentMoveFolder.GetSize()) return;
    m_strMoveFolder = m_recentMoveFolder[i];
    UpdateData(FALSE);
}
