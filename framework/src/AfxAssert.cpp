// AfxAssert.cpp - where failed ASSERT and VERIFY conditions are reported.
#include "AfxDefs.h"
#include "CObject.h"

#include <atomic>

namespace {

// Writes the failure where a developer sees it, then stops: a Debug build that
// goes on after a broken invariant only hides the fault.
void AFXAPI DefaultAssertHandler(const char* file, int line) {
    char text[512];
    std::snprintf(text, sizeof(text), "Assertion failed: %s(%d)\n", file ? file : "?", line);
    OutputDebugStringA(text);
    std::fputs(text, stderr);
    std::fflush(stderr);
    if (IsDebuggerPresent()) DebugBreak();
    std::abort();
}

std::atomic<AFX_ASSERT_HANDLER> g_assertHandler{&DefaultAssertHandler};

}  // namespace

AFX_ASSERT_HANDLER AFXAPI AfxSetAssertHandler(AFX_ASSERT_HANDLER handler) {
    return g_assertHandler.exchange(handler ? handler : &DefaultAssertHandler);
}

void AFXAPI AfxAssertFailedLine(const char* file, int line) { g_assertHandler.load()(file, line); }

void AFXAPI AfxAssertValidObject(const CObject* object, const char* file, int line) {
    if (!object) {
        AfxAssertFailedLine(file, line);
        return;
    }
    object->AssertValid();
}
