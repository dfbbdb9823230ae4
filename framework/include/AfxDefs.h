// AfxDefs.h - basic definitions shared by every framework header.
//
// The framework is one DLL shared by Vokit and Ordovan. AFX_API marks what it
// exports; AFX_EXT_CLASS is the marker an extension library puts on its own
// exported classes (it is defined by that library's headers, see Vokit.h).
#pragma once

#ifndef STRICT
#define STRICT
#endif
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef FRAMEWORK_BUILD
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif

#define AFXAPI
#define AFX_CDECL __cdecl
#define AFX_DATA
#define AFX_INLINE inline

// An opaque iterator of the list classes.
struct __POSITION {};
typedef __POSITION* POSITION;

#define BEFORE_START_POSITION ((POSITION)-1L)

// Diagnostics. In Debug builds (_DEBUG) ASSERT and VERIFY check their condition and
// report a failure through the assertion handler (see AfxSetAssertHandler); in
// Release builds ASSERT vanishes and VERIFY only evaluates its expression.
class CObject;
// Receives a failed assertion; the default one writes it to stderr and the
// debugger and ends the process. Tests install one that counts instead.
typedef void(AFXAPI* AFX_ASSERT_HANDLER)(const char* file, int line);
AFX_API AFX_ASSERT_HANDLER AFXAPI AfxSetAssertHandler(AFX_ASSERT_HANDLER handler);
AFX_API void AFXAPI AfxAssertFailedLine(const char* file, int line);
AFX_API void AFXAPI AfxAssertValidObject(const CObject* object, const char* file, int line);

#ifdef _DEBUG
#define ASSERT(f)                         ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define ASSERT_VALID(p)                   AfxAssertValidObject(p, __FILE__, __LINE__)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define VERIFY(f)                         ASSERT(f)
#define DEBUG_ONLY(f)                     (f)
#else
#define ASSERT(f)                         ((void)0)
#define ASSERT_VALID(p)                   ((void)0)
#define ASSERT_KINDOF(class_name, object) ((void)0)
#define VERIFY(f)                         ((void)(f))
#define DEBUG_ONLY(f)                     ((void)0)
#endif
#define UNUSED_ALWAYS(x) (void)(x)
#define UNUSED(x)        (void)(x)
inline void AFX_CDECL AfxTraceIgnored(...) {}
#define TRACE                  AfxTraceIgnored
#define TRACE0(sz)             ((void)0)
#define TRACE1(sz, p1)         ((void)0)
#define TRACE2(sz, p1, p2)     ((void)0)
#define TRACE3(sz, p1, p2, p3) ((void)0)

// Checked conversions between pointers, handles and integers. The 64-bit
// build keeps handles and pointers in LPARAM/WPARAM; these make every such
// conversion visible and, where a value can be lost, checked.
template <typename To, typename From>
inline To AfxPtrCast(From value) {
    static_assert(sizeof(To) == sizeof(void*) && sizeof(From) == sizeof(void*), "pointer-sized conversion only");
    return reinterpret_cast<To>(value);
}

// Narrows a size to int; sizes that do not fit saturate instead of wrapping.
inline int AfxSizeToInt(size_t n) { return n > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n); }
