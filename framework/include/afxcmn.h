// afxcmn.h - compatibility header: the framework as one include.
#pragma once

#include "afxwin.h"
