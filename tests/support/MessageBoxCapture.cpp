#include "MessageBoxCapture.h"

#include <gtest/gtest.h>

namespace {
MessageBoxCapture* g_current = nullptr;

int CALLBACK UnexpectedBox(LPCSTR text, LPCSTR caption, UINT type) {
    ADD_FAILURE() << "unexpected message box (type " << type << ", caption \"" << (caption ? caption : "")
                  << "\"): " << (text ? text : "");
    return IDCANCEL;
}
}  // namespace

MessageBoxCapture::MessageBoxCapture(int defaultAnswer)
    : m_defaultAnswer(defaultAnswer), m_previous(g_current), m_previousHandler(nullptr) {
    g_current = this;
    m_previousHandler = AfxSetMessageBoxHandler(&MessageBoxCapture::Handler);
}

MessageBoxCapture::~MessageBoxCapture() {
    g_current = m_previous;
    AfxSetMessageBoxHandler(m_previousHandler);
}

void MessageBoxCapture::QueueAnswers(const std::vector<int>& answers) {
    m_queued.insert(m_queued.end(), answers.begin(), answers.end());
}

std::string MessageBoxCapture::Text(int i) const { return i >= 0 && i < Count() ? m_boxes[i].text : std::string(); }

int CALLBACK MessageBoxCapture::Handler(LPCSTR text, LPCSTR caption, UINT type) {
    MessageBoxCapture* self = g_current;
    if (!self) return UnexpectedBox(text, caption, type);
    self->m_boxes.push_back({text ? text : "", caption ? caption : "", type, ::GetCurrentThreadId()});
    if (!self->m_queued.empty()) {
        int answer = self->m_queued.front();
        self->m_queued.erase(self->m_queued.begin());
        return answer;
    }
    return self->m_defaultAnswer;
}

void InstallUnexpectedMessageBoxGuard() { AfxSetMessageBoxHandler(&UnexpectedBox); }
