// Tests of CVoEdit (Enter acting as Tab, colours, font) and CVoButton (font).
#include "ControlsTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Counts the colour requests reflected to the field.
class CCountingEdit : public CVoEdit {
public:
    int requests = 0;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        requests += message == WM_CTLCOLOREDIT;
        return CVoEdit::OnChildNotify(message, wParam, lParam, pResult);
    }
};

std::string FontKey(const LOGFONTA& font) { return std::to_string(font.lfHeight) + font.lfFaceName; }

}  // namespace

// Through the dialog's own modal loop: Enter in a CVoEdit moves the focus
// on and leaves the default button alone; in a plain edit it presses it.
TEST(VoEdit, EnterMovesToTheNextFieldInsteadOfPressingTheDefaultButton) {
    for (bool voEdit : {true, false}) {
        CVoEdit edit;
        CControlsDialog dlg;
        if (voEdit) dlg.onInit = [&](CControlsDialog& d) { edit.SubclassDlgItem(IDC_EDIT, &d); };
        FakeModal modal;
        modal.script = [](CWnd* pDlg) {
            HWND hEdit = ::GetDlgItem(pDlg->m_hWnd, IDC_EDIT);
            ::SetFocus(hEdit);
            Pump();  // the dialog is up and painted before the user types
            ::PostMessageA(hEdit, WM_KEYDOWN, VK_RETURN, 1);
            ::PostMessageA(hEdit, WM_KEYUP, VK_RETURN, 0xC0000001);
            ::PostMessageA(hEdit, WM_KEYDOWN, VK_ESCAPE, 1);
        };
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_EQ(voEdit ? 0 : 1, dlg.okCount) << voEdit;
        EXPECT_EQ(voEdit ? IDC_CALC : IDC_EDIT, dlg.focusIdAtCancel) << voEdit;
    }
    // Mouse messages keep their flags, even when they happen to be 13.
    CVoEdit edit;
    MSG msg = {nullptr, WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT | MK_CONTROL, 0, 0, {0, 0}};
    edit.PreTranslateMessage(&msg);
    EXPECT_EQ(WPARAM{13}, msg.wParam);
    EXPECT_EQ(RUNTIME_CLASS(CEdit), RUNTIME_CLASS(CVoEdit)->GetBaseClass());
    EXPECT_EQ(RUNTIME_CLASS(CVoEdit), CRuntimeClass::FromName("CVoCalcEdit")->GetBaseClass());
}

TEST(VoEdit, ColourRequestsFollowTheColoursAndTheEnabledState) {
    CControlsDialog dlg;
    CVoEdit edit;
    CVoEdit readOnly;
    ASSERT_TRUE(dlg.Open());
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_EDIT, &dlg));
    ASSERT_TRUE(readOnly.SubclassDlgItem(IDC_READONLY, &dlg));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    auto readOnlyColor = [&] { return RequestColor(dlg.m_hWnd, readOnly.m_hWnd, WM_CTLCOLORSTATIC).brushColor; };

    const ColorReply first = RequestColor(dlg.m_hWnd, edit.m_hWnd, WM_CTLCOLOREDIT);
    EXPECT_EQ(RGB(255, 255, 255), first.brushColor);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), first.textColor);
    EXPECT_EQ(TRANSPARENT, first.bkMode);
    edit.SetTextColor(RGB(0, 0, 255));
    edit.SetBkColor(RGB(255, 0, 0));
    const ColorReply coloured = RequestColor(dlg.m_hWnd, edit.m_hWnd, WM_CTLCOLOREDIT);
    EXPECT_EQ(RGB(255, 0, 0), coloured.brushColor);
    EXPECT_EQ(RGB(0, 0, 255), coloured.textColor);
    EXPECT_EQ(0u, ::GetObjectType(first.brush));  // the previous brush is released

    EXPECT_EQ(face, readOnlyColor());
    readOnly.SetBkColor(RGB(0, 160, 0));
    EXPECT_EQ(RGB(0, 160, 0), readOnlyColor());
    EXPECT_FALSE(readOnly.EnableWindow(false));  // it was enabled
    EXPECT_EQ(face, readOnlyColor());
    EXPECT_TRUE(readOnly.EnableWindow(true));  // it was disabled
    EXPECT_EQ(RGB(0, 160, 0), readOnlyColor());

    // SetTextColor repaints at once, without waiting for the message loop.
    CCountingEdit counting;
    ASSERT_TRUE(counting.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 150, 150, 175), &dlg, 2001));
    Pump();
    counting.requests = 0;
    counting.SetTextColor(RGB(0, 0, 255));
    EXPECT_GT(counting.requests, 0);
    dlg.DestroyWindow();
}

TEST(VoEdit, OwnWindowsGetTheDefaultGuiFontTemplateControlsKeepTheDialogs) {
    CControlsDialog dlg;
    ASSERT_TRUE(dlg.Open());
    LOGFONTA guiFont = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof guiFont, &guiFont);
    const std::string gui = FontKey(guiFont);
    const std::string dialog = FontKey(FontOf(dlg.m_hWnd));
    ASSERT_NE(gui, dialog);

    CVoEdit ownEdit, templateEdit;
    CVoButton ownButton, templateButton;
    ASSERT_TRUE(ownEdit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 150, 100, 170), &dlg, 2001));
    ASSERT_TRUE(ownButton.Create("...", WS_CHILD | WS_VISIBLE, CRect(110, 150, 140, 170), &dlg, 2002));
    ASSERT_TRUE(templateEdit.SubclassDlgItem(IDC_EDIT, &dlg));
    ASSERT_TRUE(templateButton.SubclassDlgItem(IDC_PUSH, &dlg));
    EXPECT_EQ(gui, FontKey(FontOf(ownEdit.m_hWnd)));
    EXPECT_EQ(gui, FontKey(FontOf(ownButton.m_hWnd)));
    EXPECT_EQ(dialog, FontKey(FontOf(templateEdit.m_hWnd)));
    EXPECT_EQ(dialog, FontKey(FontOf(templateButton.m_hWnd)));
    dlg.DestroyWindow();
}
