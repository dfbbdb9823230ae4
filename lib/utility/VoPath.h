// VoPath.h - helpers for paths and files: the program's path, splitting a
// path, folder and file checks, numbered backups, the computer's name, the
// clipboard.
//
// Buffer forms (..., char* dst, int len) copy at most len bytes of their
// result and fill the rest of the len bytes with zeros; a result of len
// bytes or more gets no terminator. String forms return a CString.
// Separators and dots are found byte by byte (see _GetFullPathToFileName for
// the one exception).
#pragma once

#include "VokitDefs.h"

VOKIT_API char* _GetModuleFileName(char* dst, int len);
VOKIT_API CString _GetModuleFileName();

// Cuts the last byte, then everything after the last remaining '\'.
// Returns the position of that '\' in dst, or null.
VOKIT_API char* _GetFullPathToPath(const char* src, char* dst, int len);
VOKIT_API CString _GetFullPathToPath(const char* src);

// The text behind the last '\' (found character by character).
VOKIT_API void _GetFullPathToFileName(const char* src, char* dst, int len);
VOKIT_API CString _GetFullPathToFileName(const char* src);

// The text before the last dot; the whole text without a dot. Returns the
// position in dst where the dot was, or null.
VOKIT_API char* _GetFileNameToNameOnly(const char* src, char* dst, int len);
VOKIT_API CString _GetFileNameToNameOnly(const char* src);

// The text behind the last dot; the whole text without a dot (the buffer
// form then returns null, else dst).
VOKIT_API char* _GetFileNameToExpandOnly(const char* src, char* dst, int len);
VOKIT_API CString _GetFileNameToExpandOnly(const char* src);

// True when *path names an existing folder; then adds (add) or removes one
// trailing '\'. On false *path is unchanged.
VOKIT_API bool _PathChek(CString* path, bool add);
// True when at least one entry matches path (wildcards allowed).
VOKIT_API bool _FileCheck(const char* path);
// Keeps up to generations numbered copies (<name>.001 newest) of file in folder.
VOKIT_API bool _BackupFile(const char* file, const char* folder, int generations);

VOKIT_API CString _GetComputerName();

VOKIT_API HANDLE _SetClipboardDataText(const CString& text);
VOKIT_API HANDLE _GetClipboardDataText(CString* text);

// The platform's folder browser (desktop as root, preset to initialFolder
// when that is not empty) with prompt above its tree (a default prompt
// when prompt is null), owned by the application's main window.
// The buffer form copies the chosen folder like the other buffer forms and
// leaves dst untouched when nothing was chosen; the string form returns
// the folder or an empty string.
VOKIT_API void _FolderDlg(char* dst, int len, const char* initialFolder, const char* prompt = nullptr);
VOKIT_API CString _FolderDlg(const char* initialFolder, const char* prompt = nullptr);

// The platform's colour chooser, without owner, preset to initial; the
// chosen colour on OK, initial on Cancel.
VOKIT_API COLORREF _ColorDlg(COLORREF initial);
