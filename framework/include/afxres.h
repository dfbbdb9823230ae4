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
