// ControlsTestSupport.h - the test dialog, a pump that goes the framework's
// way, keyboard input, colour requests and modal handlers answered in place
// of a person.
#pragma once

#include "Vokit.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Template 100 of ControlsTests.rc; tab order 1001, 1002, 1003, 1005, ...
enum {
    IDD_CONTROLS = 100,
    IDC_EDIT = 1001,
    IDC_CALC,
    IDC_NEXT,
    IDC_PLACEHOLDER,
    IDC_DROPDOWN,
    IDC_DROPLIST,
    IDC_PUSH,
    IDC_READONLY
};

// OK only counts (a test sees a pressed default button); Cancel records the
// control with the focus and ends the dialog.
class CControlsDialog : public CDialog {
public:
    CControlsDialog() : CDialog(IDD_CONTROLS) {}
    bool Open();  // modeless, shown and active
    HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }

    std::function<void(CControlsDialog&)> onInit;
    int okCount = 0;
    int focusIdAtCancel = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { ++okCount; }
    void OnCancel() override;
};

// While it lives: runs script when a modal dialog is up, and answers the
// folder, file and colour choosers (OK with answer / colorAnswer, or
// Cancel), recording the initial folder or "<folder>|<file>" they got.
struct FakeModal {
    FakeModal();
    ~FakeModal();
    FakeModal(const FakeModal&) = delete;
    FakeModal& operator=(const FakeModal&) = delete;

    std::function<void(CWnd*)> script;
    bool ok = true;
    std::string answer;
    COLORREF colorAnswer = 0;
    std::vector<std::string> asked;
    OPENFILENAMEA lastFile = {};  // its pointers are valid during the call only
    std::string lastFilter;       // the first description of the file filter
    CHOOSECOLORA lastColor = {};
    AFX_MODAL_HANDLERS previous;
};

void Pump();                               // dispatches the queue like the framework's loops
void PressKey(UINT vk);                    // key down and up in the focus window
void TypeChars(const std::string& bytes);  // one posted WM_CHAR per byte
std::string WindowText(HWND hWnd);
std::vector<std::string> ListItems(const CComboBox& box);
CStringArray MakeArray(std::initializer_list<const char*> items);

// A colour request sent to the parent for the control, with a fresh DC
// whose text colour was RGB(1, 2, 3).
struct ColorReply {
    HBRUSH brush;
    COLORREF brushColor;  // CLR_INVALID without a solid brush
    COLORREF textColor;
    int bkMode;
};
ColorReply RequestColor(HWND hWndParent, HWND hWndControl, UINT message);
LOGFONTA FontOf(HWND hWnd);
