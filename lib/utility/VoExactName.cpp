// VoExactName.cpp - exact conversions between code page 932 and UTF-16.
#include "VoExactName.h"

#include <cctype>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

const UINT kCodePage = 932;

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Converts text back to UTF-16 and compares it with wide (length wideLength
// with its terminator).
bool ConvertsBackTo(const char* text, const wchar_t* wide, int wideLength) {
    wchar_t small[MAX_PATH + 1];
    std::wstring large;
    wchar_t* back = small;
    if (wideLength > MAX_PATH + 1) {
        large.resize(static_cast<size_t>(wideLength));
        back = &large[0];
    }
    const int n = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, text, -1, back, wideLength);
    return n == wideLength && std::wmemcmp(back, wide, static_cast<size_t>(n)) == 0;
}

}  // namespace

bool _AnsiToWide(const char* text, wchar_t* dst, int len) {
    if (!dst || len <= 0) return false;
    dst[0] = L'\0';
    if (!text) return false;
    if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, text, -1, dst, len) > 0) return true;
    dst[0] = L'\0';
    return false;
}

bool _WideToExactAnsi(const wchar_t* wide, char* dst, int len) {
    if (!dst || len <= 0) return false;
    dst[0] = '\0';
    if (!wide) return false;
    // Plain ASCII has the same single bytes in code page 932, both ways:
    // most names take only this loop.
    int i = 0;
    for (; wide[i] != L'\0' && wide[i] < 0x80; ++i) {
        if (i + 1 >= len) {
            dst[0] = '\0';
            return false;
        }
        dst[i] = static_cast<char>(wide[i]);
    }
    if (wide[i] == L'\0') {
        dst[i] = '\0';
        return true;
    }
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, -1, dst, len, nullptr, &usedDefault);
    const int wideLength = static_cast<int>(std::wcslen(wide)) + 1;
    if (n <= 0 || usedDefault || !ConvertsBackTo(dst, wide, wideLength)) {
        dst[0] = '\0';
        return false;
    }
    return true;
}

bool _IsExactAnsi(const char* text) {
    if (!text) return false;
    const size_t length = std::strlen(text);
    std::wstring wide(length + 1, L'\0');
    std::string back(length + 1, '\0');
    return _AnsiToWide(text, &wide[0], static_cast<int>(wide.size())) &&
           _WideToExactAnsi(wide.c_str(), &back[0], static_cast<int>(back.size())) &&
           std::memcmp(back.data(), text, length + 1) == 0;
}

bool _IsPlainName(const char* name) {
    if (!name || name[0] == '\0') return false;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) return false;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(name);
    unsigned char last = 0;
    for (; *p; ++p) {
        last = *p;
        if (IsLeadByte(*p) && p[1] != '\0') {
            ++p;  // the trail byte may be 0x5C or 0x7C without meaning '\' or '|'
            last = 0;
            continue;
        }
        if (*p < 0x20 || std::strchr("\\/:*?\"<>|", *p)) return false;
    }
    return last != '.' && last != ' ';
}

bool _IsPlainNameW(const wchar_t* name) {
    if (!name || name[0] == L'\0') return false;
    if (std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0) return false;
    wchar_t last = 0;
    for (const wchar_t* p = name; *p; ++p) {
        last = *p;
        if (*p < 0x20 || std::wcschr(L"\\/:*?\"<>|", *p)) return false;
    }
    return last != L'.' && last != L' ';
}

CString _WideToShownAnsi(const wchar_t* wide) {
    CString shown;
    if (!wide) return shown;
    for (const wchar_t* p = wide; *p; ++p) {
        if (*p < 0x80) {  // ASCII, separators included, is the same in code page 932
            shown += static_cast<char>(*p);
            continue;
        }
        if (*p >= 0xD800 && *p <= 0xDFFF) {  // half of a character beyond the 16-bit range
            if (*p <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) ++p;
            shown += '?';
            continue;
        }
        char bytes[4] = {};
        BOOL usedDefault = FALSE;
        int n =
            WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, p, 1, bytes, sizeof bytes - 1, nullptr, &usedDefault);
        wchar_t back = 0;
        if (n > 0 && !usedDefault && MultiByteToWideChar(kCodePage, 0, bytes, n, &back, 1) == 1 && back == *p) {
            shown += CString(bytes, n);
            continue;
        }
        // The platform's nearest form, when that is a plain letter or digit.
        n = WideCharToMultiByte(kCodePage, 0, p, 1, bytes, sizeof bytes - 1, nullptr, nullptr);
        const unsigned char nearest = static_cast<unsigned char>(bytes[0]);
        shown += (n == 1 && nearest < 0x80 && std::isalnum(nearest)) ? static_cast<char>(nearest) : '?';
    }
    return shown;
}
