// LayoutTestSupport.h - readable failure messages for rectangles and sizes.
#pragma once

#include <afxwin.h>

#include <ostream>

inline void PrintTo(const CRect& rc, std::ostream* os) {
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

inline void PrintTo(const CSize& size, std::ostream* os) { *os << size.cx << " x " << size.cy; }
