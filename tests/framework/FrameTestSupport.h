// FrameTestSupport.h - a frame, a view, a document and control bars that
// record what reaches them, for the tests of frames, docking and views.
#pragma once

#include <afxext.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Commands (FrameworkTestsRes.h): one handled by the view, one by the frame,
// one by the document, one by nobody, and one whose update the view passes
// on to the frame.
#include "FrameworkTestsRes.h"

class CTestDocument : public CDocument {
public:
    CTestDocument() { m_bAutoDelete = FALSE; }
    std::vector<UINT> commands;

protected:
    afx_msg void OnDocCommand() { commands.push_back(ID_CMD_DOC); }
    afx_msg void OnUpdateDocCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
public:
    int initialUpdates = 0;
    std::vector<UINT> commands;
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override { ++initialUpdates; }

protected:
    CTestView() = default;
    afx_msg void OnViewCommand() { commands.push_back(ID_CMD_VIEW); }
    afx_msg void OnUpdateViewCommand(CCmdUI* pCmdUI) {
        pCmdUI->SetCheck(1);
        pCmdUI->SetText("ビュー");
    }
    afx_msg void OnUpdateRouted(CCmdUI* pCmdUI) { pCmdUI->ContinueRouting(); }
    DECLARE_MESSAGE_MAP()
};

class CTestFrame : public CFrameWnd {
public:
    std::vector<UINT> commands;
    // A visible frame at rect with the view and document of the context.
    static CTestFrame* Make(const CRect& rect, CCreateContext* pContext = nullptr);

protected:
    afx_msg void OnViewCommand() { commands.push_back(ID_CMD_VIEW); }
    afx_msg void OnFrameCommand() { commands.push_back(ID_CMD_FRAME); }
    afx_msg void OnUpdateRouted(CCmdUI* pCmdUI) { pCmdUI->SetText("フレーム"); }
    DECLARE_MESSAGE_MAP()
};

// A bar of fixed size (length x thickness) that updates its controls.
class CTestBar : public CControlBar {
public:
    explicit CTestBar(CSize size = CSize(120, 30)) : m_size(size) {}
    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID) {
        return CWnd::Create(nullptr, "テストバー", dwStyle, CRect(0, 0, 0, 0), pParent, nID);
    }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override {
        return bHorz ? CSize(bStretch ? 32767 : m_size.cx, m_size.cy) : CSize(m_size.cy, bStretch ? 32767 : m_size.cx);
    }
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override {
        ++updates;
        UpdateDialogControls(pTarget, bDisableIfNoHndler);
    }
    CSize m_size;
    int updates = 0;
};

// A bar sized by CalcDynamicLayout: floating, it keeps the width committed
// last and any height asked for (at least 20 each way).
class CStretchBar : public CTestBar {
public:
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override {
        if (nMode & (LM_HORZDOCK | LM_VERTDOCK)) return CTestBar::CalcDynamicLayout(nLength, nMode);
        if (nMode & LM_COMMIT) m_float.cx = nLength;
        if (nMode & LM_LENGTHY) m_float.cy = nLength > 20 ? nLength : 20;
        if (nMode & (LM_MRUWIDTH | LM_COMMIT | LM_LENGTHY)) return m_float;
        return CSize(nLength > 20 ? nLength : 20, m_float.cy);
    }
    CSize m_float = CSize(150, 60);
};

// Window rectangle relative to a window's client area.
CRect RectIn(const CWnd& wnd, const CWnd& parent);

// Tests on a visible 400 x 300 frame with a CTestView of doc; the frame
// goes at the end (it is no main window then).
class FrameWithViewTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    CRect Client() const;

    std::unique_ptr<CWinApp> m_app;
    CTestDocument doc;
    CCreateContext context;
    CTestFrame* frame = nullptr;
    CTestView* view = nullptr;
};
