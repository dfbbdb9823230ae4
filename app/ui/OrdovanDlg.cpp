// OrdovanDlg.cpp - the main dialog: set-up, data exchange, enabling rules,
// the sample, closing, painting, help and the about box.
#include "OrdovanDlg.h"

#include "OrdovanApp.h"
#include "resource.h"

#include <cctype>
#include <climits>

#include "AboutDlg.h"

namespace {

const int kHistorySize = 10;

// The value of the leading signed decimal number of text (after blanks);
// 0 when there is none. Values beyond the int range stop at its ends.
int LeadingInt(const char* text) {
    while (*text && std::isspace(static_cast<unsigned char>(*text))) ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

HICON LoadProgramIcon() {
    LPCSTR name = MAKEINTRESOURCEA(IDR_MAINFRAME);
    return ::LoadIconA(AfxFindResourceHandle(name, RT_GROUP_ICON), name);
}

}  // namespace

COrdovanDlg::COrdovanDlg(CWnd* pParent)
    : CAttachDialog(IDD_ORDOVAN_DIALOG, pParent), m_recentFolder(kHistorySize), m_recentMoveFolder(kHistorySize),
      m_editStartNumber("%.0lf"), m_nStartNumber(0), m_bRenameFile(FALSE), m_bSubFolder(FALSE), m_bMoveRename(FALSE),
      m_hIcon(LoadProgramIcon()), m_bMsgDelete(true), m_bMsgReset(true), m_bMsgContinueStart(true),
      m_nDpi(_GetScreenDpi()), m_hButtonBitmaps{} {}

COrdovanDlg::~COrdovanDlg() {
    // The buttons only showed the bitmaps; they are ours to delete, once the
    // buttons are gone.
    if (m_hWnd) DestroyWindow();
    for (HBITMAP bitmap : m_hButtonBitmaps) {
        if (bitmap) ::DeleteObject(bitmap);
    }
}

void COrdovanDlg::DoDataExchange(CDataExchange* pDX) {
    CAttachDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FILE_NAME, m_comboFileName);
    DDX_Text(pDX, IDC_SAMPLE, m_strSample);
    DDX_Text(pDX, IDC_START_NUMBER, m_nStartNumber);
    DDX_CBString(pDX, IDC_FILE_NAME, m_strCurrentFileName);
    DDX_Check(pDX, IDC_RENAME_FILE, m_bRenameFile);
    DDX_Text(pDX, IDC_CONTINUE_PATH, m_strContinuePath);
    DDX_Check(pDX, IDC_SUB_FOLDER, m_bSubFolder);
    DDX_Text(pDX, IDC_MOVE_FOLDER, m_strMoveFolder);
    DDX_Check(pDX, IDC_MOVE_RENAME, m_bMoveRename);
}

BEGIN_MESSAGE_MAP(COrdovanDlg, CAttachDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
    ON_BN_CLICKED(IDC_RENAME_FILE, OnRenameFile)
    ON_BN_CLICKED(IDC_SUB_FOLDER, OnSubFolder)
    ON_CBN_SELCHANGE(IDC_FIGURE, OnFigureChange)
    ON_EN_CHANGE(IDC_START_NUMBER, OnStartNumberChange)
    ON_CBN_EDITCHANGE(IDC_FILE_NAME, OnFileNameEditChange)
    ON_BN_CLICKED(IDC_START, OnStart)
    ON_CBN_SELCHANGE(IDC_FILE_NAME, OnFileNameSelChange)
    ON_BN_CLICKED(IDC_SEARCH_ADD, OnSearchAdd)
    ON_BN_CLICKED(IDC_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_UP, OnUp)
    ON_BN_CLICKED(IDC_DOWN, OnDown)
    ON_BN_CLICKED(IDC_RESET, OnReset)
    ON_BN_CLICKED(IDC_SETTINGS, OnSettings)
    ON_BN_CLICKED(IDC_FOLDER_HISTORY, OnFolderHistory)
    ON_BN_CLICKED(IDC_HELP_PAGE, OnHelpButton)
    ON_BN_CLICKED(IDC_ABOUT, OnAbout)
    ON_BN_CLICKED(IDC_MOVE_FOLDER_HISTORY, OnMoveFolderHistory)
    ON_BN_CLICKED(IDC_MOVE_RENAME, OnMoveRename)
    ON_COMMAND_RANGE(ID_RECENT_FOLDER_FIRST, ID_RECENT_FOLDER_LAST, OnPickFolder)
    ON_COMMAND_RANGE(ID_RECENT_MOVE_FOLDER_FIRST, ID_RECENT_MOVE_FOLDER_LAST, OnPickMoveFolder)
    ON_MESSAGE(WM_FILELIST_SORTED, OnSortDone)
    ON_WM_DROPFILES()
    ON_MESSAGE(WM_CHECK_JOURNAL, OnCheckJournal)
END_MESSAGE_MAP()

// ---- Start ------------------------------------------------------------------

BOOL COrdovanDlg::OnInitDialog() {
    CAttachDialog::OnInitDialog();

    if (CMenu* sysMenu = GetSystemMenu(FALSE)) {
        CString about;
        about.LoadString(IDS_ABOUTBOX);
        if (!about.IsEmpty()) {
            sysMenu->AppendMenu(MF_SEPARATOR);
            sysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
        }
    }
    UpdateUndoMenu();
    PostMessage(WM_CHECK_JOURNAL);
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    DragAcceptFiles(TRUE);

    RegisterLayout();
    // The dialog may grow to the screen's size but not below its design.
    CRect window;
    GetWindowRect(&window);
    SetMaxSize(CSize(::GetSystemMetrics(SM_CXMAXIMIZED), ::GetSystemMetrics(SM_CYMAXIMIZED)));
    SetMinSize(window.Size());
    RestoreWindowRect();

    SetButtonBitmaps();
    SetUpList();
    SetUpFolderFields();
    if (CComboBox* figure = FigureList()) figure->SetCurSel(0);

    LoadSettings();
    UpdateData(FALSE);
    ReadConfirmations();
    ReadFolderHistories();
    return TRUE;
}

void COrdovanDlg::RegisterLayout() {
    // Top and left stay; the right edge follows the dialog's (they widen).
    for (UINT id : {IDC_CONTINUE_PATH, IDC_TOP_LINE, IDC_FILE_NAME_FRAME, IDC_NUMBER_FRAME, IDC_MOVE_FRAME})
        SetVaAttach(id, AT_TOP, AK_FORM, AT_LEFT, AK_FORM, AT_RIGHT, AK_FORM, A_END);
    // Same size, moving with the right edge.
    for (UINT id : {IDC_FOLDER_HISTORY, IDC_MOVE_FOLDER_HISTORY})
        SetVaAttach(id, AT_TOP, AK_FORM, AT_RIGHT, AK_FORM, A_END);
    SetVaAttach(IDC_MOVE_FOLDER, AT_TOP, AK_FORM, AT_LEFT, AK_FORM, AT_RIGHT, AK_FORM, A_END);
    for (UINT id : {IDC_SUB_FOLDER, IDC_SEARCH_ADD, IDC_RESET})
        SetVaAttach(id, AT_TOP, AK_FORM, AT_RIGHT, AK_FORM, A_END);
    for (UINT id : {IDC_FILE_NAME, IDC_SAMPLE})
        SetVaAttach(id, AT_TOP, AK_FORM, AT_LEFT, AK_FORM, AT_RIGHT, AK_FORM, A_END);
    SetVaAttach(IDC_DELETE, AT_TOP, AK_FORM, AT_RIGHT, AK_FORM, A_END);
    // The two arrow buttons share the list's height: their common edge sits
    // at half of it.
    SetVaAttach(IDC_UP, AT_TOP, AK_FORM, AT_BOTTOM, AK_CTRL_PERCENT, AR_BOTTOM, IDC_FILE_LIST, AP_BOTTOM, 50, AT_RIGHT,
                AK_FORM, A_END);
    SetVaAttach(IDC_DOWN, AT_TOP, AK_CTRL_PERCENT, AR_TOP, IDC_FILE_LIST, AP_TOP, 50, AT_RIGHT, AK_FORM, AT_BOTTOM,
                AK_FORM, A_END);
    SetVaAttach(IDC_FILE_LIST, AT_TOP, AK_FORM, AT_RIGHT, AK_FORM, AT_LEFT, AK_FORM, AT_BOTTOM, AK_FORM, A_END);
    RealizeAttach();
}

void COrdovanDlg::SetButtonBitmaps() {
    static const struct {
        int nID;
        const char* name;
    } kButtons[] = {{IDC_UP, "IDB_UP"}, {IDC_DOWN, "IDB_DOWN"}, {IDC_DELETE, "IDB_DELETE"}};
    static_assert(sizeof kButtons / sizeof kButtons[0] == sizeof m_hButtonBitmaps / sizeof m_hButtonBitmaps[0],
                  "one bitmap per button");

    int i = 0;
    for (const auto& button : kButtons) {
        HBITMAP& bitmap = m_hButtonBitmaps[i++];
        CWnd* wnd = GetDlgItem(button.nID);
        if (!wnd || bitmap) continue;
        // From the module that made the button, like its template; on a
        // finer screen a larger version, or one scaled smoothly.
        HINSTANCE module = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(wnd->m_hWnd, GWLP_HINSTANCE));
        bitmap = _LoadBitmapForDpi(module, button.name, m_nDpi);
        wnd->SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    }
}

void COrdovanDlg::SetUpList() {
    if (!m_listCtrl.GetSafeHwnd() && !m_listCtrl.SubclassDlgItem(IDC_FILE_LIST, this)) return;
    m_listCtrl.SetFixedCols(1, FALSE);
    m_listCtrl.EnableGrid(TRUE, FALSE);
    ScaleColumnWidths();
    m_listCtrl.SetColInfo(CFileListCtrl::GetColumnTable(), CFileListCtrl::COLUMN_COUNT, TRUE);
    // One blank row numbered 1 stands for the empty list.
    m_listCtrl.AddNewLine();
}

// The table's widths are pixels of the DPI it was last brought to: 96 as
// designed, then the screen's. Widths the user gave the columns stay, in
// the new pixels. (One table serves every list of the process.)
void COrdovanDlg::ScaleColumnWidths() {
    static int tableDpi = VO_DESIGN_DPI;
    if (m_nDpi <= 0 || m_nDpi == tableDpi) return;
    tag_COLINFO* columns = CFileListCtrl::GetColumnTable();
    for (int i = 0; i < CFileListCtrl::COLUMN_COUNT; ++i) columns[i].cx = _ScaleDpi(columns[i].cx, m_nDpi, tableDpi);
    tableDpi = m_nDpi;
}

void COrdovanDlg::SetUpFolderFields() {
    if (!m_editFolder.GetSafeHwnd()) m_editFolder.SubclassDlgItem(IDC_CONTINUE_PATH, this);
    m_editFolder.Make(BT_FOLDER);
    if (!m_editMoveFolder.GetSafeHwnd()) m_editMoveFolder.SubclassDlgItem(IDC_MOVE_FOLDER, this);
    m_editMoveFolder.Make(BT_FOLDER);
    if (!m_editStartNumber.GetSafeHwnd()) m_editStartNumber.SubclassDlgItem(IDC_START_NUMBER, this);
}

// ---- Enabling rules and the sample ------------------------------------------

void COrdovanDlg::OnRenameFile() {
    UpdateData(TRUE);
    if (CWnd* fileName = GetDlgItem(IDC_FILE_NAME)) fileName->EnableWindow(m_bRenameFile);
    UpdateSample();
}

void COrdovanDlg::OnMoveRename() {
    UpdateData(TRUE);
    if (m_editMoveFolder.GetSafeHwnd()) m_editMoveFolder.EnableWindow(m_bMoveRename != FALSE);
}

// The flag is read at the next data exchange.
void COrdovanDlg::OnSubFolder() {}

void COrdovanDlg::OnFigureChange() { UpdateSample(); }

void COrdovanDlg::OnStartNumberChange() { UpdateSample(); }

void COrdovanDlg::OnFileNameEditChange() {
    UpdateData(TRUE);
    UpdateSample();
}

void COrdovanDlg::OnFileNameSelChange() {
    m_strCurrentFileName = m_comboFileName.GetSelectText(true);
    UpdateSample();
}

CComboBox* COrdovanDlg::FigureList() { return static_cast<CComboBox*>(GetDlgItem(IDC_FIGURE)); }

int COrdovanDlg::SelectedWidth() {
    CComboBox* figure = FigureList();
    const int width = figure ? figure->GetCurSel() : 0;
    return width > 0 ? width : 0;
}

// "<name><first>.xxx ～ <name><largest>.xxx". A start number with more digits
// than the width shows (and keeps) only its last digits.
void COrdovanDlg::UpdateSample() {
    CWnd* startNumber = GetDlgItem(IDC_START_NUMBER);
    if (!FigureList() || !startNumber) return;
    const int width = SelectedWidth();

    CString text;
    startNumber->GetWindowText(text);
    m_nStartNumber = LeadingInt(text);
    CString number;
    number.Format("%d", m_nStartNumber);
    if (width > 0 && number.GetLength() > width) m_nStartNumber = LeadingInt(number.Right(width));

    const CString first = PadNumber(width, m_nStartNumber);
    CString last;
    if (width > 0) {
        last = CString('9', width);
    } else {
        last.Format("%d", INT_MAX);
    }
    const CString name = m_bRenameFile ? m_strCurrentFileName : CString("Xxxx");
    m_strSample.Format("%s%s.xxx ～ %s%s.xxx", static_cast<LPCSTR>(name), static_cast<LPCSTR>(first),
                       static_cast<LPCSTR>(name), static_cast<LPCSTR>(last));
    SetDlgItemText(IDC_SAMPLE, m_strSample);
}

// ---- Close --------------------------------------------------------------------

// The dialog has no OK button; Enter in a field that does not use it itself
// (the list, the base name, a check box) comes here. Ending the dialog on it
// would lose the settings, the histories and the list.
void COrdovanDlg::OnOK() {}

void COrdovanDlg::OnCancel() {
    SaveSettings();
    StoreWindowRect();
    CAttachDialog::OnCancel();
}

// ---- Window messages ------------------------------------------------------------

void COrdovanDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        OnAbout();
    } else if ((nID & 0xFFF0) == IDM_UNDO) {
        OnUndo();
    } else {
        CAttachDialog::OnSysCommand(nID, lParam);
    }
}

// Minimised, the dialog shows its icon in the middle of its client area.
void COrdovanDlg::OnPaint() {
    if (!IsIconic()) {
        CAttachDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    dc.DrawIcon((rect.Width() - cxIcon + 1) / 2, (rect.Height() - cyIcon + 1) / 2, m_hIcon);
}

// The image shown while the minimised window is dragged: the program icon.
LRESULT COrdovanDlg::OnQueryDragIcon(WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    (void)lParam;
    return reinterpret_cast<LRESULT>(m_hIcon);
}

// ---- Help and about box ------------------------------------------------------------

// The help page beside the program, in the system's viewer for HTML files.
void COrdovanDlg::OnHelpButton() { OpenHelpPage(GetProgramFolder()); }

void COrdovanDlg::OnAbout() {
    CAboutDlg dlg;
    dlg.DoModal();
}
