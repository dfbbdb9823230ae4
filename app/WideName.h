// WideName.h - file names and paths in their real (UTF-16) form, for the
// file items and their copy and rename.
//
// A name that code page 932 holds exactly is kept as Shift-JIS and used as
// it is; any other name is kept in UTF-16 beside a form to show, and every
// file operation goes through the UTF-16 path. Names compare as the file
// system compares them: without letter case (FoldCase).
#pragma once

#include <afx.h>

#include <functional>
#include <string>

// The UTF-16 form of Shift-JIS text; empty when the text is no exact
// Shift-JIS text (a byte sequence that is no character, a best fit).
std::wstring WideOf(const char* text);
// The exact Shift-JIS form of wide into *ansi; false (and *ansi untouched)
// when it has none.
bool ExactAnsiOf(const std::wstring& wide, CString* ansi);
// An exact Shift-JIS form of the existing file or folder path: its own, or
// else the short form the file system keeps for it (best fit would make
// "C:\Users\Zoë" into "C:\Users\Zoe", some other folder). Empty when
// neither is exact or fits in 259 bytes.
CString ExactPathOf(const std::wstring& path);
// The text to show for wide (exact where it can be, never a path).
CString ShownOf(const std::wstring& wide);

// The form in which names are compared: letters in upper case, through the
// platform's case rules for the whole character set.
std::wstring FoldCase(const std::wstring& name);
bool SameName(const std::wstring& a, const std::wstring& b);

// A name a file may be given: plain (no separator, wildcard, control
// character, dot or space at its end), not a device name (CON, NUL.txt,
// COM1, ...), at most 255 characters.
bool IsUsableNewName(const std::wstring& name);
// The longest path a run makes: 259 bytes in code page 932, and 259 UTF-16
// characters (the platform's limit without its long-path prefix).
bool FitsPathLimit(const std::wstring& path);

// Hands take every entry of folder (real form, with or without its trailing
// '\') but "." and "..". False when the folder cannot be read or its
// listing broke off; an empty drive is read.
bool ListFolder(const std::wstring& folder, const std::function<void(const WIN32_FIND_DATAW&)>& take);

// folder without one trailing '\'.
std::wstring WithoutSeparator(const std::wstring& folder);
