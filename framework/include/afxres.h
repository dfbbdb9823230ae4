// afxres.h - resource identifiers of the framework, usable from resource
// scripts as well as from C++.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define AFX_IDS_APP_TITLE           0xE000
#define AFX_IDP_FAILED_MEMORY_ALLOC 0xF008
#define AFX_IDP_PARSE_INT           0xF110
#define AFX_IDP_PARSE_REAL          0xF111
#define AFX_IDP_PARSE_INT_RANGE     0xF112

// The resource type of a dialog template's initial data: records of the
// strings its list and combo boxes start with. The records name their
// message as 16-bit Windows numbered it.
#define AFX_RT_DLGINIT           240
#define AFX_DLGINIT_LB_ADDSTRING 0x0401
#define AFX_DLGINIT_CB_ADDSTRING 0x0403

// Child-window IDs of a frame's parts: control bars, the dock bars at each
// side (and the one inside a floating frame), and the view panes.
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST  0xE8FF
#define AFX_IDW_TOOLBAR          0xE800
#define AFX_IDW_STATUS_BAR       0xE801
#define AFX_IDW_DOCKBAR_TOP      0xE81B
#define AFX_IDW_DOCKBAR_LEFT     0xE81C
#define AFX_IDW_DOCKBAR_RIGHT    0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM   0xE81E
#define AFX_IDW_DOCKBAR_FLOAT    0xE81F
#define AFX_IDW_PANE_FIRST       0xE900
#define AFX_IDW_PANE_LAST        0xE9FF

// Commands that show and hide the control bar of the same ID.
#define ID_VIEW_TOOLBAR    0xE800
#define ID_VIEW_STATUS_BAR 0xE801
