#include "ModalScript.h"

#include <gtest/gtest.h>

ModalScript* ModalScript::s_current = nullptr;

ModalScript::ModalScript() : m_outer(s_current) {
    s_current = this;
    AFX_MODAL_HANDLERS handlers = {};
    handlers.pfnDialog = &ModalScript::OnDialog;
    handlers.pfnMenu = &ModalScript::OnMenu;
    m_previous = AfxSetModalHandlers(&handlers);
}

ModalScript::ModalScript(std::function<void(CWnd* pDialog)> dialog) : ModalScript() { onDialog = std::move(dialog); }

ModalScript::~ModalScript() {
    AfxSetModalHandlers(&m_previous);
    s_current = m_outer;
}

void CALLBACK ModalScript::OnDialog(CWnd* pDialog) {
    if (!s_current) return;
    ++s_current->dialogs;
    if (s_current->onDialog) {
        s_current->onDialog(pDialog);
    } else {
        ADD_FAILURE() << "unexpected modal dialog";
        pDialog->SendMessage(WM_COMMAND, IDCANCEL, 0);
    }
}

UINT CALLBACK ModalScript::OnMenu(HMENU hMenu) {
    if (!s_current) return 0;
    ++s_current->menus;
    return s_current->onMenu ? s_current->onMenu(hMenu) : 0;
}
