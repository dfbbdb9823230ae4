// ModalScript.h - answers modal dialogs and pop-up menus in tests.
//
// While a ModalScript lives, a modal dialog that comes up is handed to
// onDialog (which works it and ends it) and a pop-up menu to onMenu (which
// returns the command to choose). A dialog nobody expected fails the test
// and is cancelled.
#pragma once

#include <afxwin.h>

#include <functional>

class ModalScript {
public:
    ModalScript();
    explicit ModalScript(std::function<void(CWnd* pDialog)> dialog);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // Run when a modal dialog is up; it works the dialog and ends it.
    std::function<void(CWnd* pDialog)> onDialog;
    // Given the menu, returns the command to choose (0: none).
    std::function<UINT(HMENU hMenu)> onMenu;
    int dialogs = 0;
    int menus = 0;

private:
    static void CALLBACK OnDialog(CWnd* pDialog);
    static UINT CALLBACK OnMenu(HMENU hMenu);
    static ModalScript* s_current;
    ModalScript* m_outer;
    AFX_MODAL_HANDLERS m_previous;
};
