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

// The frame tests: the frame of LoadFrame (title, menu, accelerators) and
// the commands of the view, the frame and the document.
#define IDR_TEST_FRAME 300
#define ID_CMD_VIEW    32801
#define ID_CMD_FRAME   32802
#define ID_CMD_DOC     32803
#define ID_CMD_NONE    32804
#define ID_CMD_ROUTED  32805
