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
