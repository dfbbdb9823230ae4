// Tests of the progress dialog: its template and members, the disabled
// owner, stepping and the percent label (also for ranges beyond 16 bits),
// Cancel through the message pump, and whole runs of CFileItemList over
// real files with the real dialog, on the window's thread and on a worker.
#include "FileItemList.h"
#include "ProgressDlg.h"
#include "RunProgress.h"

#include "MessageBoxCapture.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <stdexcept>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Str(const CString& text) { return std::string(static_cast<LPCSTR>(text)); }

std::string ItemText(HWND dlg, int id) {
    char text[256] = "";
    ::GetDlgItemTextA(dlg, id, text, sizeof text);
    return text;
}

std::string WindowText(HWND wnd) {
    char text[256] = "";
    ::GetWindowTextA(wnd, text, sizeof text);
    return text;
}

// The bar's own range and position.
struct BarState {
    int low;
    int high;
    int pos;
};

BarState Bar(const CProgressDlg& dlg) {
    PBRANGE range = {};
    HWND bar = ::GetDlgItem(dlg.m_hWnd, IDC_PROGRESS_BAR);
    ::SendMessageA(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    return {range.iLow, range.iHigh, static_cast<int>(::SendMessageA(bar, PBM_GETPOS, 0, 0))};
}

// What the Cancel button sends its dialog when it is clicked.
void PostCancelClick(HWND dlg) {
    ::PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dlg, IDCANCEL)));
}

// The percent math without a run around it.
class CPercentDlg : public CProgressDlg {
public:
    using CProgressDlg::UpdatePercent;
};

// A dialog whose clock the test sets.
class CClockedDlg : public CProgressDlg {
public:
    DWORD now = 0;

protected:
    DWORD Now() const override { return now; }
};

// The application's main window for the test: a plain top-level window
// (and an application object when the test program has none).
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!AfxGetApp()) m_app.reset(new CWinApp);
        m_previousMain = AfxGetApp()->m_pMainWnd;
        ASSERT_TRUE(m_main.CreateEx(0, AfxRegisterWndClass(0), "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                                    nullptr, nullptr));
        AfxGetApp()->m_pMainWnd = &m_main;
    }
    void TearDown() override {
        AfxGetApp()->m_pMainWnd = m_previousMain;
        m_main.DestroyWindow();
        m_app.reset();
    }

    CWnd m_main;

private:
    std::unique_ptr<CWinApp> m_app;
    CWnd* m_previousMain = nullptr;
};

}  // namespace

// ---- The dialog on its own ---------------------------------------------------

TEST(ProgressDlg, MembersStartAsDocumented) {
    CProgressDlg dlg;
    EXPECT_EQ(static_cast<UINT>(IDS_PROGRESS_TITLE), dlg.m_nTitleID);
    EXPECT_EQ(0, dlg.m_nLower);
    EXPECT_EQ(100, dlg.m_nUpper);
    EXPECT_EQ(5, dlg.m_nStep);
    EXPECT_FALSE(dlg.m_bCancel);
    EXPECT_FALSE(dlg.m_bOwnerDisabled);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(42u, CProgressDlg(42).m_nTitleID);
}

using ProgressDlgWindow = MainWindowTest;

TEST_F(ProgressDlgWindow, CreateShowsTheTemplateAndDisablesTheOwner) {
    CProgressDlg dlg;
    ASSERT_TRUE(dlg.Create(&m_main));
    EXPECT_EQ(&dlg, g_pProgressDlg);
    EXPECT_TRUE(dlg.m_bOwnerDisabled);
    EXPECT_FALSE(m_main.IsWindowEnabled());
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_EQ(m_main.m_hWnd, ::GetWindow(dlg.m_hWnd, GW_OWNER));

    EXPECT_EQ("連番作成中！", WindowText(dlg.m_hWnd));
    EXPECT_EQ("", ItemText(dlg.m_hWnd, IDC_PROGRESS_MESSAGE));
    EXPECT_EQ(" 0 %", ItemText(dlg.m_hWnd, IDC_PROGRESS_PERCENT));
    EXPECT_EQ("ｷｬﾝｾﾙ", ItemText(dlg.m_hWnd, IDCANCEL));
    EXPECT_EQ(dlg.GetDlgItem(IDC_PROGRESS_BAR)->m_hWnd, dlg.m_progress.m_hWnd);
    BarState bar = Bar(dlg);
    EXPECT_EQ(0, bar.low);
    EXPECT_EQ(100, bar.high);
    EXPECT_EQ(0, bar.pos);

    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_FALSE(dlg.m_bOwnerDisabled);
    EXPECT_TRUE(m_main.IsWindowEnabled());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, g_pProgressDlg);
}

TEST_F(ProgressDlgWindow, TitleComesFromTheGivenString) {
    CProgressDlg dlg(IDS_PROGRESS_TITLE);
    ASSERT_TRUE(dlg.Create(nullptr));  // no parent: the main window owns it
    EXPECT_FALSE(m_main.IsWindowEnabled());
    EXPECT_EQ("連番作成中！", WindowText(dlg.m_hWnd));
}

TEST_F(ProgressDlgWindow, TheDestructorEnablesTheOwnerAgain) {
    {
        CProgressDlg dlg;
        ASSERT_TRUE(dlg.Create(&m_main));
        EXPECT_FALSE(m_main.IsWindowEnabled());
    }
    EXPECT_TRUE(m_main.IsWindowEnabled());
    EXPECT_EQ(nullptr, g_pProgressDlg);

    // A window that goes with its owner is no longer the one on screen.
    CProgressDlg dlg;
    ASSERT_TRUE(dlg.Create(&m_main));
    m_main.DestroyWindow();
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, g_pProgressDlg);
}

TEST_F(ProgressDlgWindow, AnOwnerDisabledBeforeStaysDisabled) {
    m_main.EnableWindow(FALSE);
    CProgressDlg dlg;
    ASSERT_TRUE(dlg.Create(&m_main));
    EXPECT_FALSE(dlg.m_bOwnerDisabled);
    dlg.DestroyWindow();
    EXPECT_FALSE(m_main.IsWindowEnabled());
}

TEST_F(ProgressDlgWindow, StepItAdvancesBarAndPercent) {
    CProgressDlg dlg;
    ASSERT_TRUE(dlg.Create(&m_main));
    dlg.SetMessage("a.jpg -> b.jpg");
    EXPECT_EQ("a.jpg -> b.jpg", ItemText(dlg.m_hWnd, IDC_PROGRESS_MESSAGE));
    dlg.SetRange(0, 4);
    EXPECT_EQ(5, dlg.SetStep(1));
    EXPECT_EQ(1, dlg.SetStep(1));

    const char* expected[] = {"25%", "50%", "75%", "100%"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(i, dlg.StepIt());
        EXPECT_EQ(expected[i], ItemText(dlg.m_hWnd, IDC_PROGRESS_PERCENT));
        BarState bar = Bar(dlg);
        EXPECT_EQ(0, bar.low);
        EXPECT_EQ(4, bar.high);
        EXPECT_EQ(i + 1, bar.pos);
    }
}

TEST_F(ProgressDlgWindow, CancelEscAndCloseBoxAreSeenOnceAndKeepTheDialog) {
    CProgressDlg dlg;
    ASSERT_TRUE(dlg.Create(&m_main));
    EXPECT_FALSE(dlg.IsCancelled());

    PostCancelClick(dlg.m_hWnd);
    EXPECT_TRUE(dlg.IsCancelled());
    EXPECT_FALSE(dlg.IsCancelled());  // cleared when read

    // Esc goes through the pump's IsDialogMessage.
    ::PostMessageA(::GetDlgItem(dlg.m_hWnd, IDCANCEL), WM_KEYDOWN, VK_ESCAPE, 0);
    dlg.StepIt();
    EXPECT_TRUE(dlg.m_bCancel);
    EXPECT_TRUE(dlg.IsCancelled());

    ::PostMessageA(dlg.m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(dlg.IsCancelled());

    // Enter's command does nothing.
    ::PostMessageA(dlg.m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(dlg.IsCancelled());

    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    EXPECT_TRUE(dlg.IsWindowVisible());
}

TEST_F(ProgressDlgWindow, ThePumpLeavesQuitForTheOuterLoop) {
    CProgressDlg dlg;
    ASSERT_TRUE(dlg.Create(&m_main));
    ::PostQuitMessage(7);
    dlg.StepIt();
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
}

// What a run tells is shown at once for the first and the last file, and
// otherwise once the repaint interval has passed since it was last shown;
// a Cancel shows where the run stands before the question.
TEST_F(ProgressDlgWindow, ARunIsShownAtMostEveryIntervalButTheFirstAndLastFileAlways) {
    CClockedDlg dlg;
    ASSERT_TRUE(dlg.Create(&m_main));
    dlg.m_nRepaintInterval = 40;
    dlg.Begin(5);
    auto shown = [&] {
        return ItemText(dlg.m_hWnd, IDC_PROGRESS_MESSAGE) + "|" + ItemText(dlg.m_hWnd, IDC_PROGRESS_PERCENT) + "|" +
               std::to_string(Bar(dlg).pos * 5 / Bar(dlg).high);
    };
    auto file = [&](int n, DWORD at) {
        dlg.now = at;
        dlg.Step();
        EXPECT_FALSE(dlg.StopRequested());
        dlg.ShowFile(("file" + std::to_string(n)).c_str());
        return shown();
    };
    EXPECT_EQ("file1|20%|1", file(1, 1000));
    EXPECT_EQ("file1|20%|1", file(2, 1039));
    EXPECT_EQ("file3|60%|3", file(3, 1040));

    PostCancelClick(dlg.m_hWnd);
    dlg.now = 1041;
    dlg.Step();
    {
        MessageBoxCapture boxes(IDNO);
        EXPECT_FALSE(dlg.StopRequested());
        EXPECT_EQ(1, boxes.Count());
    }
    EXPECT_EQ("file3|80%|4", shown());
    dlg.ShowFile("file4");
    EXPECT_EQ("file3|80%|4", shown());

    EXPECT_EQ("file5|100%|5", file(5, 1042));
    dlg.End();
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_TRUE(m_main.IsWindowEnabled());
}

// ---- Ranges beyond what the bar holds ----------------------------------------

TEST_F(ProgressDlgWindow, LargeRangesKeepExactPositionsAndPercentages) {
    CProgressDlg dlg;
    ASSERT_TRUE(dlg.Create(&m_main));
    dlg.SetRange(0, 100000);
    dlg.SetStep(25000);
    const char* expected[] = {"25%", "50%", "75%", "100%"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(i * 25000, dlg.StepIt());
        EXPECT_EQ(expected[i], ItemText(dlg.m_hWnd, IDC_PROGRESS_PERCENT));
        // The bar gets the same share of its own, smaller range.
        BarState bar = Bar(dlg);
        EXPECT_EQ(0, bar.low);
        EXPECT_GT(bar.high, 0);
        EXPECT_LE(bar.high, 0xFFFF);
        EXPECT_EQ(bar.high * (i + 1) / 4, bar.pos);
    }
}

TEST_F(ProgressDlgWindow, ARunOfMoreThan65535FilesCountsAcrossSixteenBits) {
    const int files = 65537;
    CProgressDlg dlg;
    ASSERT_TRUE(dlg.Create(&m_main));
    dlg.SetRange(0, files);
    dlg.SetStep(65530);  // straight to the last files of the run
    EXPECT_EQ(0, dlg.StepIt());
    dlg.SetStep(1);
    for (int pos = 65530; pos < files - 1; ++pos) {
        EXPECT_EQ(pos, dlg.StepIt());
        EXPECT_EQ("99%", ItemText(dlg.m_hWnd, IDC_PROGRESS_PERCENT)) << pos;
        BarState bar = Bar(dlg);
        EXPECT_LT(bar.pos, bar.high);
        EXPECT_GT(bar.pos, bar.high * 99 / 100);
    }
    EXPECT_EQ(files - 1, dlg.StepIt());
    EXPECT_EQ("100%", ItemText(dlg.m_hWnd, IDC_PROGRESS_PERCENT));
    BarState bar = Bar(dlg);
    EXPECT_EQ(bar.high, bar.pos);
}

TEST_F(ProgressDlgWindow, PercentMathHoldsForAnyRange) {
    CPercentDlg dlg;
    ASSERT_TRUE(dlg.Create(&m_main));
    struct Case {
        int low, high;
        long long pos;
        const char* text;
    } cases[] = {
        {0, 70000, 35000, "50%"},
        {0, 70000, 70000, "100%"},
        {0, 70000, 69999, "99%"},
        {-50, 50, 0, "50%"},
        {INT_MIN, INT_MAX, INT_MAX, "100%"},
        {INT_MIN, INT_MAX, 0, "50%"},
        {0, 3, 4, "33%"},   // past the end: modulo 100
        {5, 5, 5, "100%"},  // no width: no division
        {5, 5, 4, "0%"},
        {10, 0, 3, "100%"},  // upside down: no division either
    };
    for (const Case& c : cases) {
        dlg.SetRange(c.low, c.high);
        dlg.UpdatePercent(c.pos);
        EXPECT_EQ(c.text, ItemText(dlg.m_hWnd, IDC_PROGRESS_PERCENT)) << c.low << ".." << c.high << " at " << c.pos;
    }
}

TEST_F(ProgressDlgWindow, EmptyAndReversedRangesStepWithoutHarm) {
    CProgressDlg dlg;
    ASSERT_TRUE(dlg.Create(&m_main));
    dlg.SetRange(0, 0);
    dlg.SetStep(1);
    EXPECT_EQ(0, dlg.StepIt());
    EXPECT_EQ("100%", ItemText(dlg.m_hWnd, IDC_PROGRESS_PERCENT));
    dlg.SetRange(10, 0);
    dlg.StepIt();
    BarState bar = Bar(dlg);
    EXPECT_LT(bar.low, bar.high);
}

// ---- Runs with the real dialog -----------------------------------------------

namespace {

// What the run's progress display showed, seen from outside. Every file
// is shown (no repaint is left out).
struct RunLog {
    std::vector<std::string> percents;  // after each ShowFile
    std::vector<std::string> messages;  // after Begin and each ShowFile
    std::vector<bool> mainEnabled;      // after each Step
    std::set<int> clickBeforeStep;      // Step counts (1 = first) that Cancel precedes
    int steps = 0;
    bool created = false;
};
RunLog g_log;
PFN_CREATE_RUN_PROGRESS g_pfnRealProgress = nullptr;

// The real display with a watcher in between; the watchers below override
// what they look at.
class ForwardingProgress : public CRunProgress {
public:
    explicit ForwardingProgress(std::unique_ptr<CRunProgress> real) : m_real(std::move(real)) {}

    void Begin(int nFiles) override { m_real->Begin(nFiles); }
    void Step() override { m_real->Step(); }
    bool StopRequested() override { return m_real->StopRequested(); }
    void ShowFile(const char* text) override { m_real->ShowFile(text); }
    void End() override { m_real->End(); }

protected:
    std::unique_ptr<CRunProgress> m_real;
};

// Makes the real display (g_pfnRealProgress) watched by Watcher.
template <class Watcher>
std::unique_ptr<CRunProgress> CreateWatched() {
    std::unique_ptr<CRunProgress> real = g_pfnRealProgress();
    if (!real) return nullptr;
    return std::make_unique<Watcher>(std::move(real));
}

// The real display, watched: records what the dialog shows and clicks
// Cancel when asked to.
class WatchedProgress : public ForwardingProgress {
public:
    using ForwardingProgress::ForwardingProgress;

    void Begin(int nFiles) override {
        g_log.created = true;
        g_pProgressDlg->m_nRepaintInterval = 0;
        m_real->Begin(nFiles);
        g_log.messages.push_back(ItemText(Dlg(), IDC_PROGRESS_MESSAGE));
    }
    void Step() override {
        if (g_log.clickBeforeStep.count(++g_log.steps)) PostCancelClick(Dlg());
        m_real->Step();
        g_log.mainEnabled.push_back(AfxGetMainWnd()->IsWindowEnabled() != FALSE);
    }
    void ShowFile(const char* text) override {
        m_real->ShowFile(text);
        g_log.percents.push_back(ItemText(Dlg(), IDC_PROGRESS_PERCENT));
        g_log.messages.push_back(ItemText(Dlg(), IDC_PROGRESS_MESSAGE));
    }

private:
    static HWND Dlg() { return g_pProgressDlg ? g_pProgressDlg->m_hWnd : nullptr; }
};

}  // namespace

class ProgressDlgRun : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        g_log = RunLog();
        InstallRunProgress();
        g_pfnRealProgress = g_pfnCreateRunProgress;
        g_pfnCreateRunProgress = &CreateWatched<WatchedProgress>;
        g_bMoveRename = false;
    }
    void TearDown() override {
        g_pfnCreateRunProgress = nullptr;
        MainWindowTest::TearDown();
    }

    void AddImages() {
        for (const char* name : {"img1.jpg", "img2.jpg", "img3.jpg"}) {
            dir.WriteFile(name, name);
            CFileItem found;
            found.m_strFolder = dir.Path().c_str();
            found.m_strName = name;
            list.Add(&found);
        }
        list.MakeNewNames("img", 0, 2, true);
    }
    std::string Content(const std::string& name) const { return TempDir::ReadFile(dir / name); }

    TempDir dir;
    CFileItemList list;
};

TEST_F(ProgressDlgRun, ShowsEachFileAndItsShareWithTheMainWindowDisabled) {
    AddImages();
    EXPECT_EQ("", Str(list.Execute()));

    EXPECT_TRUE(g_log.created);
    const std::vector<std::string> percents = {"33%", "66%", "100%"};
    EXPECT_EQ(percents, g_log.percents);
    const std::vector<std::string> messages = {"", "img3.jpg -> img4.jpg", "img2.jpg -> img3.jpg",
                                               "img1.jpg -> img2.jpg"};
    EXPECT_EQ(messages, g_log.messages);
    EXPECT_EQ(std::vector<bool>(3, false), g_log.mainEnabled);

    EXPECT_EQ(nullptr, g_pProgressDlg);
    EXPECT_TRUE(m_main.IsWindowEnabled());
    EXPECT_EQ("img1.jpg", Content("img2.jpg"));
    EXPECT_EQ("img2.jpg", Content("img3.jpg"));
    EXPECT_EQ("img3.jpg", Content("img4.jpg"));
    EXPECT_FALSE(TempDir::Exists(dir / "img1.jpg"));
}

TEST_F(ProgressDlgRun, CancelAsksThenGoesOnWithNoAndStopsWithYes) {
    AddImages();
    g_log.clickBeforeStep = {1, 2};
    MessageBoxCapture boxes;
    boxes.QueueAnswers({IDNO, IDYES});
    EXPECT_EQ("", Str(list.Execute()));

    ASSERT_EQ(2, boxes.Count());
    for (const MessageBoxCapture::Box& box : boxes.Boxes()) {
        EXPECT_EQ("処理を中止しますか？", box.text);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), box.type);
    }
    // No: the last file was renamed; Yes: the run stopped before the next.
    EXPECT_EQ("img3.jpg", Content("img4.jpg"));
    EXPECT_EQ("img2.jpg", Content("img2.jpg"));
    EXPECT_EQ("img1.jpg", Content("img1.jpg"));
    EXPECT_EQ(2, g_log.steps);
    EXPECT_EQ(1u, g_log.percents.size());
    EXPECT_EQ(nullptr, g_pProgressDlg);
    EXPECT_TRUE(m_main.IsWindowEnabled());
}

TEST_F(ProgressDlgRun, WhileADialogIsUpNoSecondRunTouchesAFile) {
    AddImages();
    CProgressDlg other;
    g_pProgressDlg = &other;
    EXPECT_EQ("", Str(list.Execute()));
    g_pProgressDlg = nullptr;
    EXPECT_FALSE(g_log.created);
    EXPECT_EQ("img1.jpg", Content("img1.jpg"));
    EXPECT_FALSE(TempDir::Exists(dir / "img4.jpg"));
}

// ---- Runs on a worker thread -------------------------------------------------

namespace {

// The real display as a run on a worker gets it, watched from the worker:
// sends the Cancel click (answered by the window's thread before it
// returns) before step cancelAtStep.
struct WorkerLog {
    DWORD thread = 0;
    int steps = 0;
    int cancelAtStep = 0;
    bool windowAnswered = false;  // the main window answered during the run
};
WorkerLog g_worker;

class WorkerWatchedProgress : public ForwardingProgress {
public:
    using ForwardingProgress::ForwardingProgress;

    void Begin(int nFiles) override {
        g_worker.thread = ::GetCurrentThreadId();
        char title[64] = "";
        g_worker.windowAnswered =
            ::SendMessageA(AfxGetMainWnd()->m_hWnd, WM_GETTEXT, sizeof title, reinterpret_cast<LPARAM>(title)) > 0;
        m_real->Begin(nFiles);
    }
    void Step() override {
        if (++g_worker.steps == g_worker.cancelAtStep) {
            HWND dlg = g_pProgressDlg->m_hWnd;
            ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dlg, IDCANCEL)));
        }
        m_real->Step();
    }
};

}  // namespace

class ProgressDlgWorkerRun : public ProgressDlgRun {
protected:
    void SetUp() override {
        ProgressDlgRun::SetUp();
        g_worker = WorkerLog();
        g_pfnCreateRunProgress = &CreateWatched<WorkerWatchedProgress>;
    }
    CString Run() {
        return RunWithProgressDialog([this] { return list.Execute(); });
    }
};

TEST_F(ProgressDlgWorkerRun, RenamesOnAWorkerWhileTheWindowsKeepAnswering) {
    AddImages();
    EXPECT_EQ("", Str(Run()));

    EXPECT_NE(0u, g_worker.thread);
    EXPECT_NE(::GetCurrentThreadId(), g_worker.thread);
    EXPECT_TRUE(g_worker.windowAnswered);
    EXPECT_EQ(3, g_worker.steps);
    EXPECT_EQ(nullptr, g_pProgressDlg);
    EXPECT_TRUE(m_main.IsWindowEnabled());
    EXPECT_EQ("img1.jpg", Content("img2.jpg"));
    EXPECT_EQ("img3.jpg", Content("img4.jpg"));
    EXPECT_FALSE(TempDir::Exists(dir / "img1.jpg"));
}

// The question is asked here while the run waits; after Yes no further
// file is touched.
TEST_F(ProgressDlgWorkerRun, CancelIsAskedOnTheWindowsThreadAndStopsBeforeTheNextFile) {
    AddImages();
    g_worker.cancelAtStep = 2;
    MessageBoxCapture boxes(IDYES);
    EXPECT_EQ("", Str(Run()));

    ASSERT_EQ(1, boxes.Count());
    EXPECT_EQ("処理を中止しますか？", boxes.Text(0));
    EXPECT_EQ(::GetCurrentThreadId(), boxes.Boxes()[0].thread);
    EXPECT_EQ(2, g_worker.steps);
    EXPECT_EQ("img3.jpg", Content("img4.jpg"));
    EXPECT_EQ("img2.jpg", Content("img2.jpg"));
    EXPECT_EQ("img1.jpg", Content("img1.jpg"));
    EXPECT_EQ(nullptr, g_pProgressDlg);
    EXPECT_TRUE(m_main.IsWindowEnabled());
}

TEST_F(ProgressDlgWorkerRun, WhatTheRunThrowsReachesTheCallerWithTheDialogGone) {
    EXPECT_THROW(RunWithProgressDialog([]() -> CString { throw std::runtime_error("gone"); }), std::runtime_error);
    EXPECT_EQ(nullptr, g_pProgressDlg);
    EXPECT_TRUE(m_main.IsWindowEnabled());
}
