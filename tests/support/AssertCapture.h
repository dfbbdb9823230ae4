// AssertCapture.h - counts the framework's failed assertions in tests.
//
// Debug builds report a failed ASSERT/VERIFY through the framework's assertion
// handler. While an AssertCapture lives, failures are counted instead; outside
// any capture, the test main fails the running test with the file and line.
// Release builds have no live assertions: Count() stays 0 there, so tests
// check it only when AssertionsAreLive().
#pragma once

#include <afx.h>

class AssertCapture {
public:
    AssertCapture();
    ~AssertCapture();
    AssertCapture(const AssertCapture&) = delete;
    AssertCapture& operator=(const AssertCapture&) = delete;

    int Count() const { return m_count; }

private:
    static void AFXAPI Handler(const char* file, int line);

    int m_count = 0;
    AssertCapture* m_previous;
};

// True when this build checks ASSERT conditions (a Debug build).
constexpr bool AssertionsAreLive() {
#ifdef _DEBUG
    return true;
#else
    return false;
#endif
}

// Installs the handler that fails a test on an assertion nobody expected.
void InstallUnexpectedAssertGuard();
