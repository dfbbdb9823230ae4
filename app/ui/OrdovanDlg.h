// OrdovanDlg.h - the main dialog of Ordovan.
//
// Classes:
//   COrdovanDlg  target folder and copy destination (with histories), the
//                naming options with their sample, the list of target files
//                with its editing buttons, the run, the settings dialog, help
//                and the about box; resizable; takes files and folders
//                dropped on it
//
// The dialog's code is split by topic:
//   OrdovanDlg.cpp          set-up, data exchange, enabling rules, sample,
//                           closing, painting, help and about box
//   OrdovanDlgList.cpp      the target list: search, delete, move, reset,
//                           sort, and the run
//   OrdovanDlgSettings.cpp  the settings file, the settings dialog and the
//                           history menus
//   OrdovanDlgDrop.cpp      files and folders dropped on the dialog
//   OrdovanDlgUndo.cpp      the journal of a run and its undo
#pragma once

#include <afxwin.h>

#include <Vokit.h>

#include "FileItemList.h"
#include "FileListCtrl.h"
#include "RunCheck.h"

// Posted at start-up: asks about the journal of a run that did not end.
const UINT WM_CHECK_JOURNAL = WM_APP + 1;

#include <string>
#include <unordered_map>
#include <vector>

class COrdovanDlg : public CAttachDialog {
public:
    explicit COrdovanDlg(CWnd* pParent = nullptr);
    ~COrdovanDlg() override;

    // Rebuilds every row of the list from m_fileList.
    void RefreshList();
    // Shows the first new name and the largest one the digits allow.
    void UpdateSample();
    // Reads the file-name history and the last field values (dialog start).
    void LoadSettings();
    // Writes the field values and the three histories (dialog close).
    void SaveSettings();

    CRecent m_recentFolder;           // target folders
    CRecent m_recentMoveFolder;       // copy destinations
    CVoButtonEdit m_editFolder;       // 1000
    CVoButtonEdit m_editMoveFolder;   // 1015
    CVoCalcEdit m_editStartNumber;    // 1004
    CFileListCtrl m_listCtrl;         // 1006
    CRecentComboBox m_comboFileName;  // 1002, with the file-name history
    CString m_strSample;              // 1005
    int m_nStartNumber;               // 1004
    CString m_strCurrentFileName;     // 1002
    BOOL m_bRenameFile;               // 1001: the base name replaces each name
    CString m_strContinuePath;        // 1000
    BOOL m_bSubFolder;                // 1007
    CString m_strMoveFolder;          // 1015
    BOOL m_bMoveRename;               // 1014: copy first, then rename the copy
    HICON m_hIcon;
    CFileItemList m_fileList;  // the target files in run order
    bool m_bMsgDelete;         // ask before deleting list entries
    bool m_bMsgReset;          // ask before emptying the list
    bool m_bMsgContinueStart;  // ask before a run
    // The DPI that sizes given in pixels (list columns, button bitmaps) are
    // scaled to: the screen's. Read when the dialog is created.
    int m_nDpi;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter (the dialog's IDOK command) does nothing: the program ends only
    // through OnCancel, which saves the settings.
    void OnOK() override;
    void OnCancel() override;

    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
    afx_msg void OnRenameFile();
    afx_msg void OnSubFolder();
    afx_msg void OnFigureChange();
    afx_msg void OnStartNumberChange();
    afx_msg void OnFileNameEditChange();
    afx_msg void OnStart();
    afx_msg void OnFileNameSelChange();
    afx_msg void OnSearchAdd();
    afx_msg void OnDelete();
    afx_msg void OnUp();
    afx_msg void OnDown();
    afx_msg void OnReset();
    afx_msg void OnSettings();
    afx_msg void OnFolderHistory();
    afx_msg void OnHelpButton();
    afx_msg void OnAbout();
    afx_msg void OnMoveFolderHistory();
    afx_msg void OnMoveRename();
    afx_msg void OnPickFolder(UINT nID);
    afx_msg void OnPickMoveFolder(UINT nID);
    afx_msg LRESULT OnSortDone(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg LRESULT OnCheckJournal(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // "元に戻す(&U)": the last run's names back, from its journal.
    void OnUndo();

private:
    // Settings-file steps of the dialog's start and close.
    void RestoreWindowRect();
    void StoreWindowRect();
    void ReadConfirmations();
    void ReadFolderHistories();

    void RegisterLayout();
    void SetButtonBitmaps();
    void SetUpList();
    // Brings the widths of the shared column table to m_nDpi.
    void ScaleColumnWidths();
    void SetUpFolderFields();
    // The digits list 1003, or null.
    CComboBox* FigureList();
    // The selected number of digits: 0 ("無し") to 10.
    int SelectedWidth();
    // The item of a row (null for the blank row or no row).
    CFileItem* ItemOfRow(int row) const;
    // Tells the user that count entries (in folders) were left out because
    // their names cannot be used in a path.
    void ReportSkipped(int count, const CStringArray& folders);
    // Searches the dropped folders and adds the dropped files (wide paths,
    // in the order of the drop) as "検索&&追加(&L)" would.
    void AddDropped(const std::vector<std::wstring>& paths);
    // RefreshList; then, with select, the rows of its items selected as
    // SelectItems selects them (and scrolled to as it scrolls), the others not.
    void RebuildRows(CObList* select);
    // The item's date text (FileDateText), kept by time.
    CString DateTextOf(CFileItem* item);
    // Pops up the entries of recent under button nIDButton as commands
    // nFirstCommand + i.
    void ShowHistoryMenu(int nIDButton, const CRecent& recent, UINT nFirstCommand);
    // Runs the list (plainly or through temporary names) with a journal;
    // returns the failure report.
    CString RunWithJournal(const CRunCheck& check, CRunCheck::Choice choice);
    // Adds the undo item to the system menu, or updates its state.
    void UpdateUndoMenu();

    HBITMAP m_hButtonBitmaps[3];                         // of 1009, 1010 and 1011; deleted with the dialog
    std::unordered_map<ULONGLONG, CString> m_dateTexts;  // GetDateText by last-write time
};
