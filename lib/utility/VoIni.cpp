// VoIni.cpp - reading and writing settings in INI files through the
// platform's profile functions.
#include "VoIni.h"

#include "IniSection.h"
#include "VoPath.h"

#include <climits>
#include <cstring>
#include <new>
#include <string>

namespace {

// Buffer size of the string reader.
const int kValueBufferSize = 1024;

// The key actually used: "<computer>_<key>" when the value is kept per
// computer. A null key (the platform's "whole section") stays null.
CString MakeKey(const char* key, bool perComputer) {
    if (!key || !perComputer) return CString(key);
    CString full;
    full.Format("%s_%s", static_cast<LPCSTR>(_GetComputerName()), key);
    return full;
}

const char* KeyOrNull(const char* key, const CString& formed) { return key ? static_cast<LPCSTR>(formed) : nullptr; }

// Whether the platform can take the section, the formed key and the file.
bool NamesFit(const char* section, const char* key, const char* iniFile) {
    return IniNameFits(section) && IniNameFits(key) && IniFileNameFits(iniFile);
}

// "<baseKey>_<side>".
CString SideKey(const char* baseKey, const char* side) {
    CString key;
    key.Format("%s_%s", baseKey, side);
    return key;
}

// Whether all four side keys fit ("bottom" is the longest side): a
// rectangle is stored or read whole or not at all.
bool SideKeysFit(const char* section, const char* baseKey, const char* iniFile, bool perComputer) {
    return NamesFit(section, MakeKey(SideKey(baseKey, "bottom"), perComputer), iniFile);
}

// Copies text, cut to the buffer on a character boundary; the byte count.
int CopyCut(const char* text, char* buffer, int bufferSize) {
    const int length =
        IniCutToCharacters(text, AfxSizeToInt(strnlen(text, static_cast<size_t>(bufferSize))), bufferSize - 1);
    memcpy(buffer, text, static_cast<size_t>(length));
    buffer[length] = '\0';
    return length;
}

}  // namespace

// Without a key the platform would delete the whole section, the values of
// every computer included; a per-computer write refuses that. Names and
// values the platform cannot store are refused too.
bool _WriteIni(const char* section, const char* key, const char* value, const char* iniFile, bool perComputer) {
    if (!key && perComputer) return false;
    CString fullKey = MakeKey(key, perComputer);
    if (!NamesFit(section, KeyOrNull(key, fullKey), iniFile) || !IniValueFits(value)) return false;
    return WritePrivateProfileStringA(section, KeyOrNull(key, fullKey), value, iniFile) != FALSE;
}

bool _WriteIniBool(const char* section, const char* key, bool value, const char* iniFile, bool perComputer) {
    return _WriteIni(section, key, value ? "TRUE" : "FALSE", iniFile, perComputer);
}

bool _WriteIniNum(const char* section, const char* key, int value, const char* iniFile, bool perComputer) {
    CString text;
    text.Format("%d", value);
    return _WriteIni(section, key, text, iniFile, perComputer);
}

// Always true: single failures are not reported, and a missing rectangle or
// key, or one too long for the platform, writes nothing.
bool _WriteIniRect(const char* section, const char* baseKey, const RECT* rect, const char* iniFile, bool perComputer) {
    if (!rect || !baseKey || !SideKeysFit(section, baseKey, iniFile, perComputer)) return true;
    _WriteIniNum(section, SideKey(baseKey, "top"), rect->top, iniFile, perComputer);
    _WriteIniNum(section, SideKey(baseKey, "bottom"), rect->bottom, iniFile, perComputer);
    _WriteIniNum(section, SideKey(baseKey, "left"), rect->left, iniFile, perComputer);
    _WriteIniNum(section, SideKey(baseKey, "right"), rect->right, iniFile, perComputer);
    return true;
}

// The result is the text the buffer holds, cut on a character boundary: the
// platform may count a double-byte character it had no room for. Names the
// platform cannot take read as missing; a default longer than the buffer
// holds is cut before it is handed on. (Without a section or key the
// platform lists names, separated by terminators; that count is kept.)
int _ReadIni(const char* section, const char* key, const char* iniFile, char* buffer, int bufferSize, const char* def,
             bool perComputer) {
    if (!buffer || bufferSize <= 0) return 0;
    if (!def) def = "";
    CString fullKey = MakeKey(key, perComputer);
    if (!NamesFit(section, KeyOrNull(key, fullKey), iniFile)) return CopyCut(def, buffer, bufferSize);
    const int maxDefault = bufferSize - 1 < kIniMaxValueLength ? bufferSize - 1 : kIniMaxValueLength;
    const int defaultLength = AfxSizeToInt(strnlen(def, static_cast<size_t>(maxDefault) + 1));
    CString cutDefault;
    if (defaultLength > maxDefault) {
        cutDefault = CString(def, IniCutToCharacters(def, defaultLength, maxDefault));
        def = cutDefault;
    }
    DWORD got = GetPrivateProfileStringA(section, KeyOrNull(key, fullKey), def, buffer, static_cast<DWORD>(bufferSize),
                                         iniFile);
    if (got >= static_cast<DWORD>(bufferSize)) got = static_cast<DWORD>(bufferSize - 1);
    buffer[got] = '\0';
    if (!section || !key) return static_cast<int>(got);
    const int length = IniCutToCharacters(buffer, AfxSizeToInt(strnlen(buffer, got)), bufferSize - 1);
    buffer[length] = '\0';
    return length;
}

CString _ReadIni(const char* section, const char* key, const char* def, const char* iniFile, bool perComputer) {
    char buffer[kValueBufferSize] = {};
    int got = _ReadIni(section, key, iniFile, buffer, kValueBufferSize, def, perComputer);
    return CString(buffer, got);
}

bool _ReadIniBool(const char* section, const char* key, bool def, const char* iniFile, bool perComputer) {
    CString text = _ReadIni(section, key, "", iniFile, perComputer);
    if (text.IsEmpty()) return def;
    return text == "TRUE";
}

// The leading decimal number (blanks, sign, digits); values beyond the
// range of int stop at its ends.
int _ReadIniNum(const char* section, const char* key, const char* iniFile, bool perComputer) {
    CString text = _ReadIni(section, key, "", iniFile, perComputer);
    long long value = strtoll(text, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

void _ReadIniRect(const char* section, const char* baseKey, RECT* rect, const char* iniFile, bool perComputer) {
    if (!rect) return;
    rect->left = rect->top = rect->right = rect->bottom = 0;
    if (!baseKey || !SideKeysFit(section, baseKey, iniFile, perComputer)) return;
    rect->top = _ReadIniNum(section, SideKey(baseKey, "top"), iniFile, perComputer);
    rect->bottom = _ReadIniNum(section, SideKey(baseKey, "bottom"), iniFile, perComputer);
    rect->left = _ReadIniNum(section, SideKey(baseKey, "left"), iniFile, perComputer);
    rect->right = _ReadIniNum(section, SideKey(baseKey, "right"), iniFile, perComputer);
}

// The numbered lists are read and rewritten a section at a time (see
// CIniSection): one platform write per list, never half a list in the file.
// A null section would make the platform list all section names, so the
// list functions refuse it (there is nothing to delete).
bool _DeleteIniContinue(const char* section, const char* iniFile) {
    if (!section || !NamesFit(section, nullptr, iniFile)) return true;
    try {
        CIniSection list(section, iniFile);
        if (list.Load() && list.RemoveNumberedKeys() > 0) list.Save();
    } catch (const std::bad_alloc&) {
    }
    return true;
}

// An element the platform cannot store is left out and makes the result
// false, as a failed single write would; the others are written.
bool _WriteIniContinue(const char* section, const CStringArray& array, const char* iniFile) {
    if (!section || !NamesFit(section, nullptr, iniFile)) return false;
    try {
        CIniSection list(section, iniFile);
        if (!list.Load()) return false;
        list.RemoveNumberedKeys();
        bool ok = true;
        for (int i = 0; i < array.GetSize(); ++i) {
            if (IniValueFits(array[i])) {
                list.Set(std::to_string(i), array[i]);
            } else {
                ok = false;
            }
        }
        if (list.IsChanged() && !list.Save()) ok = false;
        return ok;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void _ReadIniContinue(const char* section, CStringArray* array, const char* iniFile) {
    ReadIniList(section, array, iniFile, INT_MAX);
}
