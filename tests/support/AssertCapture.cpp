// AssertCapture.cpp - counting and guarding the framework's assertions in tests.
#include "AssertCapture.h"

#include <gtest/gtest.h>

namespace {
AssertCapture* g_pCurrent = nullptr;

void AFXAPI FailOnAssert(const char* file, int line) {
    ADD_FAILURE() << "unexpected assertion failure at " << (file ? file : "?") << "(" << line << ")";
}
}  // namespace

AssertCapture::AssertCapture() : m_previous(g_pCurrent) {
    g_pCurrent = this;
    AfxSetAssertHandler(&AssertCapture::Handler);
}

AssertCapture::~AssertCapture() {
    g_pCurrent = m_previous;
    AfxSetAssertHandler(m_previous ? &AssertCapture::Handler : &FailOnAssert);
}

void AFXAPI AssertCapture::Handler(const char* file, int line) {
    if (!g_pCurrent) {
        FailOnAssert(file, line);
        return;
    }
    ++g_pCurrent->m_count;
}

void InstallUnexpectedAssertGuard() { AfxSetAssertHandler(&FailOnAssert); }
