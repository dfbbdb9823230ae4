// main() for every test executable (linked through the TestSupport library).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "AssertCapture.h"
#include "MessageBoxCapture.h"

int main(int argc, char** argv) {
    // Also initializes GoogleTest and removes the flags both understand.
    testing::InitGoogleMock(&argc, argv);

    // No test may wait for a person: a message box that no test expects
    // fails the running test and is answered at once.
    InstallUnexpectedMessageBoxGuard();
    // Nor may a Debug build stop on an assertion: it fails the running test.
    InstallUnexpectedAssertGuard();

    return RUN_ALL_TESTS();
}
