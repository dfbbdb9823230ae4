// afxext.h - compatibility header: the framework as one include.
#pragma once

#include "afxwin.h"
// Docking: dock bars, the drag context and floating frames
#include "afxpriv.h"
#include "CDockBar.h"
#include "CDockContext.h"
#include "CMiniDockFrameWnd.h"
// Status bar
#include "CStatusBar.h"
