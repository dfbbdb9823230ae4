// afx.h - the window-free core of the framework: objects, strings,
// collections, time, files, archives, exceptions, message boxes and the
// extension-library chain.
#pragma once

#include "AfxDefs.h"
#include "CObject.h"
#include "CString.h"
#include "CException.h"
#include "CArray.h"
#include "CStringArray.h"
#include "CList.h"
#include "CObList.h"
#include "CTime.h"
#include "CFile.h"
#include "CStdioFile.h"
#include "CMemFile.h"
#include "CArchive.h"
#include "AfxMessageBox.h"
#include "AfxModule.h"
#include "afxres.h"
