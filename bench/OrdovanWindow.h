// OrdovanWindow.h - Ordovan's main dialog inside a benchmark.
//
// Classes:
//   bench::OrdovanWindow  the main dialog created modeless, as the dialog
//                         tests do, with its settings file in a scratch
//                         folder; driven by the messages a user's actions send
#pragma once

#include "BenchSupport.h"

#include "OrdovanApp.h"
#include "OrdovanDlg.h"

#include <memory>
#include <string>

namespace bench {

class OrdovanWindow {
public:
    // Opens the dialog at (x, y) of the screen; no question before a
    // deletion, a reset or a run.
    OrdovanWindow(int x, int y);
    ~OrdovanWindow();
    OrdovanWindow(const OrdovanWindow&) = delete;
    OrdovanWindow& operator=(const OrdovanWindow&) = delete;

    bool IsOpen() const { return m_dialog->GetSafeHwnd() != nullptr; }
    COrdovanDlg& Dialog() { return *m_dialog; }
    HWND List() const { return m_dialog->m_listCtrl.m_hWnd; }
    int Rows() const { return m_dialog->m_listCtrl.GetItemCount(); }

    // What a click on button nID sends (BN_CLICKED to the dialog).
    void Click(int nID);
    // A press of button nID with the mouse: the button takes the focus,
    // then tells the dialog.
    void Press(int nID);
    // Types text into field nID (an edit box or the file-name box).
    void Type(int nID, const std::string& text);
    // Ticks or clears check box nID, with the click that goes with it.
    void Check(int nID, bool checked);
    // Picks entry index of the digits list.
    void ChooseDigits(int index);
    // "検索&&追加(&L)" on folder.
    void SearchAndAdd(const std::string& folder);
    // Selects rows first to last (inclusive) and no others, and gives the
    // list the focus, as selecting with the mouse does.
    void SelectRows(int first, int last);
    // An empty list (as リセット leaves it).
    void Clear();

private:
    ScratchFolder m_settings;
    COrdovanApp m_app;
    std::unique_ptr<COrdovanDlg> m_dialog;
};

}  // namespace bench
