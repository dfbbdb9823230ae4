// VoPath.cpp - helpers for paths and files, the computer's name and plain
// text on the clipboard.
#include "VoPath.h"

#include "VoDateTime.h"

namespace {

// Sizes of the internal buffers of the string forms.
const int kPathBufferSize = 260;
const int kNameBufferSize = 512;

// Copies the n bytes at src to dst the way strncpy does: at most len bytes,
// zeros behind them up to len bytes, no terminator when n >= len. src may
// lie inside dst (in-place use).
void CopyResult(char* dst, int len, const char* src, size_t n) {
    size_t room = static_cast<size_t>(len);
    size_t count = n < room ? n : room;
    memmove(dst, src, count);
    memset(dst + count, 0, room - count);
}

// dst + pos when that byte lies inside the len bytes, else null.
char* PositionIn(char* dst, int len, size_t pos) { return pos < static_cast<size_t>(len) ? dst + pos : nullptr; }

bool CanWrite(const char* dst, int len) { return dst && len > 0; }

// Index of the last byte ch in the first n bytes of text, or -1.
long LastByte(const char* text, size_t n, char ch) {
    for (size_t i = n; i > 0; --i)
        if (text[i - 1] == ch) return static_cast<long>(i - 1);
    return -1;
}

// Calls a buffer form on a zero-filled internal buffer of Size bytes whose
// last byte always stays the terminator, so results are cut to Size - 1.
template <int Size, typename Fill>
CString ThroughBuffer(Fill fill) {
    char buffer[Size] = {};
    fill(buffer, Size - 1);
    return CString(buffer);
}

// True when the last character (not merely the last byte: the second byte
// of 表 or ソ is 0x5C too) is a backslash.
bool EndsWithSeparator(const CString& path) {
    return !path.IsEmpty() && path.ReverseFind('\\') == path.GetLength() - 1;
}

// The platform's first entry matching pattern; false when there is none.
bool FindEntry(const char* pattern, WIN32_FIND_DATAA* found) {
    HANDLE h = FindFirstFileA(pattern, found);
    if (h == INVALID_HANDLE_VALUE) return false;
    FindClose(h);
    return true;
}

// folder + base + "." + the generation as three digits.
CString BackupName(const CString& folder, const CString& base, int generation) {
    CString name;
    name.Format("%s%s.%s", static_cast<LPCSTR>(folder), static_cast<LPCSTR>(base),
                static_cast<LPCSTR>(_GetContinueNumber(3, static_cast<short>(generation))));
    return name;
}

// Message box (OK only, no icon) for a failed backup step.
void ShowBackupFailure(const char* format, const CString& first, const CString& second = CString()) {
    CString text;
    text.Format(format, static_cast<LPCSTR>(first), static_cast<LPCSTR>(second));
    AfxMessageBox(text, MB_OK);
}

}  // namespace

char* _GetModuleFileName(char* dst, int len) {
    if (!CanWrite(dst, len)) return dst;
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    CopyResult(dst, len, path, strnlen(path, MAX_PATH));
    return dst;
}

CString _GetModuleFileName() {
    return ThroughBuffer<kPathBufferSize>([](char* dst, int len) { _GetModuleFileName(dst, len); });
}

// "C:\Photos\a.jpg" and "C:\Photos\" give "C:\Photos\" resp. "C:\": the last
// byte never counts, so a trailing separator leads to the parent.
char* _GetFullPathToPath(const char* src, char* dst, int len) {
    if (!CanWrite(dst, len)) return nullptr;
    size_t n = src ? strlen(src) : 0;
    if (n == 0) {
        CopyResult(dst, len, "", 0);
        return nullptr;
    }
    long sep = LastByte(src, n - 1, '\\');
    if (sep < 0) {
        CopyResult(dst, len, src, n - 1);
        return nullptr;
    }
    CopyResult(dst, len, src, static_cast<size_t>(sep) + 1);
    return PositionIn(dst, len, static_cast<size_t>(sep));
}

CString _GetFullPathToPath(const char* src) {
    return ThroughBuffer<kPathBufferSize>([src](char* dst, int len) { _GetFullPathToPath(src, dst, len); });
}

// Unlike the other helpers this one steps over double-byte characters, so
// a second byte 0x5C is not taken for a separator.
void _GetFullPathToFileName(const char* src, char* dst, int len) {
    if (!CanWrite(dst, len)) return;
    if (!src) src = "";
    size_t start = 0;
    size_t i = 0;
    while (src[i]) {
        if (src[i] == '\\') start = i + 1;
        i += (AfxIsLeadByte(static_cast<unsigned char>(src[i])) && src[i + 1]) ? 2 : 1;
    }
    CopyResult(dst, len, src + start, i - start);
}

CString _GetFullPathToFileName(const char* src) {
    return ThroughBuffer<kPathBufferSize>([src](char* dst, int len) { _GetFullPathToFileName(src, dst, len); });
}

// Copies the part of src before (name) or behind (extension) its last dot
// into dst; the whole text when there is no dot. *dot receives the dot's
// position, -1 for none.
static bool CopyAroundLastDot(const char* src, char* dst, int len, bool extension, long* dot) {
    if (!CanWrite(dst, len)) return false;
    if (!src) src = "";
    size_t n = strlen(src);
    *dot = LastByte(src, n, '.');
    if (*dot < 0)
        CopyResult(dst, len, src, n);
    else if (extension)
        CopyResult(dst, len, src + *dot + 1, n - static_cast<size_t>(*dot) - 1);
    else
        CopyResult(dst, len, src, static_cast<size_t>(*dot));
    return true;
}

char* _GetFileNameToNameOnly(const char* src, char* dst, int len) {
    long dot = -1;
    if (!CopyAroundLastDot(src, dst, len, false, &dot) || dot < 0) return nullptr;
    return PositionIn(dst, len, static_cast<size_t>(dot));
}

CString _GetFileNameToNameOnly(const char* src) {
    return ThroughBuffer<kNameBufferSize>([src](char* dst, int len) { _GetFileNameToNameOnly(src, dst, len); });
}

char* _GetFileNameToExpandOnly(const char* src, char* dst, int len) {
    long dot = -1;
    if (!CopyAroundLastDot(src, dst, len, true, &dot) || dot < 0) return nullptr;
    return dst;
}

CString _GetFileNameToExpandOnly(const char* src) {
    return ThroughBuffer<kNameBufferSize>([src](char* dst, int len) { _GetFileNameToExpandOnly(src, dst, len); });
}

// Wildcards are refused: a pattern that happens to match some folder is not
// the name of an existing folder.
bool _PathChek(CString* path, bool add) {
    if (!path) return false;
    bool trailing = EndsWithSeparator(*path);
    CString name = trailing ? path->Left(path->GetLength() - 1) : *path;
    if (name.IsEmpty() || name.FindOneOf("*?") >= 0) return false;

    WIN32_FIND_DATAA found;
    if (!FindEntry(name, &found) || !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;

    if (add && !trailing) *path += '\\';
    if (!add && trailing) *path = name;
    return true;
}

bool _FileCheck(const char* path) {
    if (!path || !*path) return false;
    WIN32_FIND_DATAA found;
    return FindEntry(path, &found);
}

// Rotates <name>.001 ... <name>.<generations> and copies file to <name>.001.
// A step that fails is shown and the rest goes on, but the result is then
// false. When <name>.001 could not be moved aside it is kept rather than
// overwritten, so no older copy is lost.
bool _BackupFile(const char* file, const char* folder, int generations) {
    if (!file || !folder || generations < 1 || generations > 999) return false;
    if (!_FileCheck(file)) return false;
    CString dir = folder;
    if (!_PathChek(&dir, true)) return false;

    CString base = _GetFileNameToNameOnly(_GetFullPathToFileName(file));
    bool ok = true;

    CString oldest = BackupName(dir, base, generations);
    if (_FileCheck(oldest) && remove(oldest) != 0) {
        ShowBackupFailure("ファイルの削除に失敗しました。\n\n[ %s ]", oldest);
        ok = false;
    }
    for (int k = generations; k >= 2; --k) {
        CString from = BackupName(dir, base, k - 1);
        CString to = BackupName(dir, base, k);
        if (_FileCheck(from) && rename(from, to) != 0) {
            ShowBackupFailure("ファイル名の変更に失敗しました。\n\n[ %s -> %s ]", from, to);
            ok = false;
        }
    }

    CString newest = BackupName(dir, base, 1);
    if (generations > 1 && _FileCheck(newest)) return false;
    if (!CopyFileA(file, newest, FALSE)) {
        ShowBackupFailure("ファイルのコピーに失敗しました。\n\n[ %s ]", newest);
        return false;
    }
    return ok;
}

// The empty string when the platform cannot tell the name.
CString _GetComputerName() {
    char name[256] = {};
    DWORD size = sizeof name;
    if (!GetComputerNameA(name, &size)) return CString();
    return CString(name, static_cast<int>(strnlen(name, sizeof name)));
}

// The clipboard takes over the block; a block it refuses is freed here.
HANDLE _SetClipboardDataText(const CString& text) {
    if (!OpenClipboard(nullptr)) return nullptr;
    HANDLE result = nullptr;
    size_t size = static_cast<size_t>(text.GetLength()) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (block) {
        void* data = GlobalLock(block);
        if (data) {
            memcpy(data, static_cast<LPCSTR>(text), size);
            GlobalUnlock(block);
            EmptyClipboard();
            result = SetClipboardData(CF_TEXT, block);
        }
        if (!result) GlobalFree(block);
    }
    CloseClipboard();
    return result;
}

// Reads at most the block's size, also when its text lacks a terminator.
HANDLE _GetClipboardDataText(CString* text) {
    if (!OpenClipboard(nullptr)) return nullptr;
    HANDLE data = GetClipboardData(CF_TEXT);
    if (data && text) {
        const char* chars = static_cast<const char*>(GlobalLock(data));
        if (chars) {
            size_t n = strnlen(chars, GlobalSize(data));
            *text = CString(chars, AfxSizeToInt(n));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return data;
}
