// VoExactName.h - names that pass between code page 932 and the platform's
// UTF-16 names without loss.
//
// The ANSI file functions turn a name that code page 932 cannot hold into
// another name by "best fit" (ä becomes a, ¥ becomes '\', Hangul '?'). Such
// a name, put into a path, names another file, another folder or none. These
// helpers convert exactly or not at all, so that a path is only ever built
// from names that mean the file they came from.
#pragma once

#include "VokitDefs.h"

// Converts Shift-JIS text to UTF-16 into dst of len characters. False (dst
// empty) when the text holds a byte sequence that is no character, or the
// result does not fit with its terminator.
VOKIT_API bool _AnsiToWide(const char* text, wchar_t* dst, int len);

// Converts a UTF-16 name to Shift-JIS into dst of len bytes, without best
// fit. False (dst empty) when a character has no exact form in code page
// 932, when converting the result back does not give the same name, or when
// the result does not fit with its terminator.
VOKIT_API bool _WideToExactAnsi(const wchar_t* wide, char* dst, int len);

// True when text converts to UTF-16 and back to the same bytes: the ANSI
// functions then mean exactly the name written.
VOKIT_API bool _IsExactAnsi(const char* text);

// True when name can stand as one part of a path and means itself there:
// not empty, not "." or "..", none of \ / : * ? " < > | or control
// characters (double-byte characters are stepped over, so the trail byte
// 0x5C of "ソ" is no separator), and no dot or space at its end (the
// platform drops those, so "a." would name the file "a").
VOKIT_API bool _IsPlainName(const char* name);

// The same for a UTF-16 name: not empty, not "." or "..", none of
// \ / : * ? " < > | or control characters, no dot or space at its end.
VOKIT_API bool _IsPlainNameW(const wchar_t* name);

// A Shift-JIS text to show for a UTF-16 name or path, never to use as one:
// characters with an exact form keep it, letters with an accent show their
// base letter (ä as a), everything else shows as '?'. Separators of a path
// stay; no other character becomes one.
VOKIT_API CString _WideToShownAnsi(const wchar_t* wide);
