// RunAboutRes.h - resource IDs of the progress dialog and the about box.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_PROGRESS 103

// Strings
#define IDS_PROGRESS_TITLE 104

// Progress dialog controls
#define IDC_PROGRESS_BAR     1003
#define IDC_PROGRESS_PERCENT 1004
#define IDC_PROGRESS_MESSAGE 1005

// About box controls
#define IDC_ABOUT_VERSION  1015
#define IDC_ABOUT_HOMEPAGE 1016
#define IDC_ABOUT_MAIL     1017
