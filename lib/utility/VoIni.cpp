// VoIni.cpp - reading and writing settings in INI files through the
// platform's profile functions.
#include "VoIni.h"

#include "VoPath.h"

namespace {

// Buffer sizes of the string reader and of the numbered-list reader.
const int kValueBufferSize = 1024;
const int kListBufferSize = 512;

// The key actually used: "<computer>_<key>" when the value is kept per
// computer. A null key (the platform's "whole section") stays null.
CString MakeKey(const char* key, bool perComputer) {
    if (!key || !perComputer) return CString(key);
    CString full;
    full.Format("%s_%s", static_cast<LPCSTR>(_GetComputerName()), key);
    return full;
}

const char* KeyOrNull(const char* key, const CString& formed) { return key ? static_cast<LPCSTR>(formed) : nullptr; }

// Key "%d" of a numbered list.
CString ListKey(int n) {
    CString key;
    key.Format("%d", n);
    return key;
}

// Reads key n of a numbered list into buffer; the byte count (0: missing or empty).
int ReadListItem(const char* section, int n, const char* iniFile, char* buffer, int bufferSize) {
    return _ReadIni(section, ListKey(n), iniFile, buffer, bufferSize, "", false);
}

// "<baseKey>_<side>".
CString SideKey(const char* baseKey, const char* side) {
    CString key;
    key.Format("%s_%s", baseKey, side);
    return key;
}

}  // namespace

// Without a key the platform would delete the whole section, the values of
// every computer included; a per-computer write refuses that.
bool _WriteIni(const char* section, const char* key, const char* value, const char* iniFile, bool perComputer) {
    if (!key && perComputer) return false;
    CString fullKey = MakeKey(key, perComputer);
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
// key writes nothing.
bool _WriteIniRect(const char* section, const char* baseKey, const RECT* rect, const char* iniFile, bool perComputer) {
    if (!rect || !baseKey) return true;
    _WriteIniNum(section, SideKey(baseKey, "top"), rect->top, iniFile, perComputer);
    _WriteIniNum(section, SideKey(baseKey, "bottom"), rect->bottom, iniFile, perComputer);
    _WriteIniNum(section, SideKey(baseKey, "left"), rect->left, iniFile, perComputer);
    _WriteIniNum(section, SideKey(baseKey, "right"), rect->right, iniFile, perComputer);
    return true;
}

int _ReadIni(const char* section, const char* key, const char* iniFile, char* buffer, int bufferSize, const char* def,
             bool perComputer) {
    if (!buffer || bufferSize <= 0) return 0;
    CString fullKey = MakeKey(key, perComputer);
    DWORD got = GetPrivateProfileStringA(section, KeyOrNull(key, fullKey), def ? def : "", buffer,
                                         static_cast<DWORD>(bufferSize), iniFile);
    // The platform terminates the buffer itself; this keeps the promise even
    // if it did not.
    if (got >= static_cast<DWORD>(bufferSize)) got = static_cast<DWORD>(bufferSize - 1);
    buffer[bufferSize - 1] = '\0';
    return static_cast<int>(got);
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
    if (!baseKey) return;
    rect->top = _ReadIniNum(section, SideKey(baseKey, "top"), iniFile, perComputer);
    rect->bottom = _ReadIniNum(section, SideKey(baseKey, "bottom"), iniFile, perComputer);
    rect->left = _ReadIniNum(section, SideKey(baseKey, "left"), iniFile, perComputer);
    rect->right = _ReadIniNum(section, SideKey(baseKey, "right"), iniFile, perComputer);
}

// A null section would make the platform list all section names for every
// key, so the list functions refuse it (there is nothing to delete).
bool _DeleteIniContinue(const char* section, const char* iniFile) {
    if (!section) return true;
    char buffer[kValueBufferSize];
    for (int n = 0; ReadListItem(section, n, iniFile, buffer, kValueBufferSize) > 0; ++n)
        WritePrivateProfileStringA(section, ListKey(n), nullptr, iniFile);
    return true;
}

bool _WriteIniContinue(const char* section, const CStringArray& array, const char* iniFile) {
    if (!section) return false;
    _DeleteIniContinue(section, iniFile);
    bool ok = true;
    for (int i = 0; i < array.GetSize(); ++i) {
        if (!WritePrivateProfileStringA(section, ListKey(i), array[i], iniFile)) ok = false;
    }
    return ok;
}

void _ReadIniContinue(const char* section, CStringArray* array, const char* iniFile) {
    if (!array || !section) return;
    char buffer[kListBufferSize];
    for (int n = 0;; ++n) {
        int got = ReadListItem(section, n, iniFile, buffer, kListBufferSize);
        if (got <= 0) break;
        try {
            array->Add(CString(buffer, got));
        } catch (CMemoryException* e) {
            e->Delete();
            break;
        }
    }
}
