// VoStatusBar.cpp - the status bar with a progress bar over its panes.
#include "VoStatusBar.h"

namespace {
const UINT kProgressID = 90002;  // the progress bar's control ID
}  // namespace

BEGIN_MESSAGE_MAP(CVoStatusBar, CStatusBar)
END_MESSAGE_MAP()

CVoStatusBar::CVoStatusBar() : m_pProgress(nullptr) {}

CVoStatusBar::~CVoStatusBar() = default;

bool CVoStatusBar::ShowWindowProgress() {
    if (!m_pProgress) return false;
    if (m_pProgress->m_hWnd && ::IsWindow(m_pProgress->m_hWnd)) return true;
    if (!m_hWnd) return false;  // no bar to cover yet
    CRect client;
    GetClientRect(client);
    if (!m_pProgress->Create(WS_CHILD, client, this, kProgressID)) return false;
    m_pProgress->ShowWindow(SW_SHOW);
    return true;
}

LRESULT CVoStatusBar::SendToProgress(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!ShowWindowProgress()) return 0;
    return m_pProgress->SendMessage(message, wParam, lParam);
}

void CVoStatusBar::SetRange(int lower, int upper) { SendToProgress(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }

int CVoStatusBar::SetPos(int pos) { return LOWORD(SendToProgress(PBM_SETPOS, static_cast<WPARAM>(pos))); }

int CVoStatusBar::SetStep(int step) { return LOWORD(SendToProgress(PBM_SETSTEP, static_cast<WPARAM>(step))); }

int CVoStatusBar::StepIt() { return LOWORD(SendToProgress(PBM_STEPIT)); }

bool CVoStatusBar::EndProgress() {
    if (!m_pProgress || !m_pProgress->m_hWnd) return false;
    return m_pProgress->DestroyWindow() != FALSE;
}
