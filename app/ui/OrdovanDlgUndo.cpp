// OrdovanDlgUndo.cpp - the main dialog's side of the journal: every run
// writes one, the system menu undoes the last run, and a run that did not
// end is offered for undo at the next start.
#include "OrdovanDlg.h"

#include "OrdovanApp.h"
#include "ProgressDlg.h"
#include "resource.h"

#include "RunJournal.h"
#include "RunUndo.h"
#include "SafeRun.h"

namespace {

const char kUndoItem[] = "元に戻す(&U)";
const char kUnfinishedQuestion[] = "前回の連番作成は途中で終わっています。\n元の名前に戻しますか？";

}  // namespace

CString COrdovanDlg::RunWithJournal(const CRunCheck& check, CRunCheck::Choice choice) {
    CRunJournal journal(GetJournalPath());
    CString report;
    {
        CRunJournalScope scope(&journal);
        if (choice == CRunCheck::RUN_SAFELY) {
            CSafeRun run(check.SafeSteps());
            report = RunWithProgressDialog([&run] { return run.Execute(); });
            m_fileList.ItemsChanged();
        } else {
            report = RunWithProgressDialog([this] { return m_fileList.Execute(); });
        }
    }
    journal.Finish();
    UpdateUndoMenu();
    return report;
}

// The item sits after the about box's; it can be chosen while a journal exists.
void COrdovanDlg::UpdateUndoMenu() {
    CMenu* sysMenu = GetSystemMenu(FALSE);
    if (!sysMenu) return;
    if (sysMenu->GetMenuState(IDM_UNDO, MF_BYCOMMAND) == static_cast<UINT>(-1))
        sysMenu->AppendMenu(MF_STRING, IDM_UNDO, kUndoItem);
    const bool journal = CRunJournal::Exists(GetJournalPath());
    sysMenu->EnableMenuItem(IDM_UNDO, MF_BYCOMMAND | (journal ? MF_ENABLED : MF_GRAYED));
}

// Not while a run is under way: one run at a time touches the files.
void COrdovanDlg::OnUndo() {
    if (g_pProgressDlg || !CRunJournal::Exists(GetJournalPath())) return;
    CRunUndo undo(GetJournalPath());
    const CString report = RunWithProgressDialog([&undo] { return undo.Execute(); });
    undo.Apply(m_fileList.m_list);
    m_fileList.ItemsChanged();
    if (!report.IsEmpty()) AfxMessageBox(report, MB_OK);
    RefreshList();
    UpdateUndoMenu();
}

// Asked once: after No the journal counts as ended (the menu can still undo it).
LRESULT COrdovanDlg::OnCheckJournal(WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    (void)lParam;
    const CString journal = GetJournalPath();
    if (!CRunJournal::IsUnfinished(journal)) return 0;
    if (AfxMessageBox(kUnfinishedQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES) {
        OnUndo();
    } else {
        CRunJournal::MarkFinished(journal);
    }
    return 0;
}
