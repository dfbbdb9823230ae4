// FrameworkTestsRes.h - resource IDs of the framework test program, shared
// by FrameworkTests.rc and the tests.
#pragma once

#define IDS_TEST_STRING 100

// The data-exchange dialog
#define IDD_TEST        200
#define IDC_TEST_NUMBER 1001
#define IDC_TEST_NAME   1002
#define IDC_TEST_CHECK  1003
#define IDC_TEST_COMBO  1004
