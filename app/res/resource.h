// resource.h - resource IDs of Ordovan's main dialog and settings dialog.
// (The progress dialog and the about box have theirs in RunAboutRes.h.)
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Icon, dialogs, strings
#define IDR_MAINFRAME      128
#define IDS_ABOUTBOX       101
#define IDD_ORDOVAN_DIALOG 102
#define IDD_SETTINGS       132
#define IDS_NO_MEMORY      61457

// Main dialog: buttons of the top row (IDCANCEL closes)
#define IDC_START     3
#define IDC_SETTINGS  4
#define IDC_HELP_PAGE 5
#define IDC_ABOUT     6

// Main dialog: fields and lists
#define IDC_CONTINUE_PATH       1000
#define IDC_RENAME_FILE         1001
#define IDC_FILE_NAME           1002
#define IDC_FIGURE              1003
#define IDC_START_NUMBER        1004
#define IDC_SAMPLE              1005
#define IDC_FILE_LIST           1006
#define IDC_SUB_FOLDER          1007
#define IDC_SEARCH_ADD          1008
#define IDC_DELETE              1009
#define IDC_UP                  1010
#define IDC_DOWN                1011
#define IDC_RESET               1012
#define IDC_FOLDER_HISTORY      1013
#define IDC_MOVE_RENAME         1014
#define IDC_MOVE_FOLDER         1015
#define IDC_MOVE_FOLDER_HISTORY 1016
#define IDC_TOP_LINE            1017
#define IDC_FILE_NAME_FRAME     1018
#define IDC_NUMBER_FRAME        1019
#define IDC_MOVE_FRAME          1020

// Settings dialog
#define IDC_CLEAR_FILE_NAME    3
#define IDC_CLEAR_FOLDER       4
#define IDC_MSG_DELETE         1011
#define IDC_MSG_RESET          1012
#define IDC_MSG_CONTINUE_START 1013

// Commands of the two history menus: entry i is FIRST + i
#define ID_RECENT_FOLDER_FIRST      57600
#define ID_RECENT_FOLDER_LAST       57609
#define ID_RECENT_MOVE_FOLDER_FIRST 57610
#define ID_RECENT_MOVE_FOLDER_LAST  57619

// The system-menu command of the about box
#define IDM_ABOUTBOX 0x0010
// The system-menu command that undoes the last run
#define IDM_UNDO     0x0020
