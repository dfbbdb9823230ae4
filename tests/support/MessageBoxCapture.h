// MessageBoxCapture.h - answers the framework's message boxes in tests.
//
// While a MessageBoxCapture lives, every AfxMessageBox / AfxDoMessageBox is
// recorded and answered without a window: first with the queued answers, in
// order, then with the default answer. Outside any capture, the test main
// answers IDCANCEL and fails the running test ("unexpected message box").
#pragma once

#include <afx.h>

#include <string>
#include <vector>

class MessageBoxCapture {
public:
    struct Box {
        std::string text;
        std::string caption;
        UINT type;
        DWORD thread;  // the thread that asked
    };

    explicit MessageBoxCapture(int defaultAnswer = IDOK);
    ~MessageBoxCapture();
    MessageBoxCapture(const MessageBoxCapture&) = delete;
    MessageBoxCapture& operator=(const MessageBoxCapture&) = delete;

    // Answers given to the next boxes, in order.
    void QueueAnswers(const std::vector<int>& answers);
    const std::vector<Box>& Boxes() const { return m_boxes; }
    int Count() const { return static_cast<int>(m_boxes.size()); }
    // Text of box i (empty when there is none).
    std::string Text(int i) const;

private:
    static int CALLBACK Handler(LPCSTR text, LPCSTR caption, UINT type);

    int m_defaultAnswer;
    std::vector<int> m_queued;
    std::vector<Box> m_boxes;
    MessageBoxCapture* m_previous;
    AFX_MESSAGEBOX_HANDLER m_previousHandler;
};

// Installs the handler that fails a test on a message box nobody expected.
void InstallUnexpectedMessageBoxGuard();
