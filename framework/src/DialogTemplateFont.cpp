// DialogTemplateFont.cpp - reading a template's font, finding an installed
// stand-in for a missing face, and copying a template with another face.
//
// Template layout (all offsets from the template's start):
//   DLGTEMPLATE    style, extended style, item count, x, y, cx, cy (18 bytes)
//   DLGTEMPLATEEX  version 1, 0xFFFF, help ID, extended style, style, item
//                  count, x, y, cx, cy (26 bytes)
//   then menu and class (each 0, 0xFFFF + ordinal, or a string), the title,
//   and with DS_SETFONT the point size (DLGTEMPLATEEX: and weight, italic,
//   charset) and the face name. Each item starts on a DWORD boundary:
//   DLGITEMTEMPLATE    style, extended style, x, y, cx, cy, ID (18 bytes)
//   DLGITEMTEMPLATEEX  help ID, extended style, style, x, y, cx, cy, ID (24)
//   then class, title, and a WORD count of creation-data bytes that follow.
#include "DialogTemplateFont.h"

#include <cstring>
#include <cwchar>
#include <map>
#include <mutex>
#include <new>
#include <utility>

namespace AfxDialogFont {

namespace {

const size_t kHeaderSize = 18;
const size_t kHeaderSizeEx = 26;
const size_t kItemSize = 18;
const size_t kItemSizeEx = 24;

// Families of the Japanese charset to stand in, best first: the system's
// own, then free fonts of like metrics found on Linux desktops.
const wchar_t* const kJapaneseFaces[] = {
    L"MS UI Gothic", L"MS PGothic",   L"Meiryo UI",        L"Yu Gothic UI",       L"IPAPGothic",
    L"VL PGothic",   L"TakaoPGothic", L"Noto Sans CJK JP", L"Source Han Sans JP", L"IPAexGothic",
};

WORD WordAt(const BYTE* base, size_t at) {
    WORD value;
    std::memcpy(&value, base + at, sizeof value);
    return value;
}

DWORD DwordAt(const BYTE* base, size_t at) {
    DWORD value;
    std::memcpy(&value, base + at, sizeof value);
    return value;
}

size_t AlignDword(size_t at) { return (at + 3) & ~static_cast<size_t>(3); }

// The offset behind a field that is empty (0), an ordinal (0xFFFF, number)
// or a string.
size_t SkipNameOrOrdinal(const BYTE* base, size_t at) {
    if (WordAt(base, at) == 0xFFFF) return at + 2 * sizeof(WORD);
    while (WordAt(base, at) != 0) at += sizeof(WORD);
    return at + sizeof(WORD);
}

// The parts of a template's header that lead to its font and items.
struct Header {
    bool extended;
    DWORD style;
    WORD count;
    size_t fontAt;  // behind the title: the font block, or the first item
};

Header ReadHeader(const BYTE* base) {
    Header header = {};
    header.extended = WordAt(base, 0) == 1 && WordAt(base, 2) == 0xFFFF;
    header.style = DwordAt(base, header.extended ? 12 : 0);
    header.count = WordAt(base, header.extended ? 16 : 8);
    size_t at = header.extended ? kHeaderSizeEx : kHeaderSize;
    at = SkipNameOrOrdinal(base, at);  // menu
    at = SkipNameOrOrdinal(base, at);  // class
    header.fontAt = SkipNameOrOrdinal(base, at);
    return header;
}

BYTE AnsiCharset() {
    CHARSETINFO info = {};
    const UINT codePage = ::GetACP();
    if (!::TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<UINT_PTR>(codePage)), &info, TCI_SRCCODEPAGE))
        return ANSI_CHARSET;
    return static_cast<BYTE>(info.ciCharset);
}

bool IsDoubleByteCharset(BYTE charset) {
    return charset == SHIFTJIS_CHARSET || charset == HANGUL_CHARSET || charset == JOHAB_CHARSET ||
           charset == GB2312_CHARSET || charset == CHINESEBIG5_CHARSET;
}

LOGFONTW FamilyQuery(const std::wstring& face, BYTE charset) {
    LOGFONTW query = {};
    query.lfCharSet = charset;
    const size_t length = face.size() < LF_FACESIZE ? face.size() : LF_FACESIZE - 1;
    std::wmemcpy(query.lfFaceName, face.c_str(), length);
    return query;
}

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM lParam) {
    *reinterpret_cast<bool*>(lParam) = true;
    return 0;  // one is enough
}

// How well a family suits dialog text: proportional sans-serif best, then
// any sans-serif or fixed-width gothic, then proportional, then the rest.
int Suitability(BYTE pitchAndFamily) {
    const bool variable = (pitchAndFamily & 0x03) == VARIABLE_PITCH;
    const BYTE family = pitchAndFamily & 0xF0;
    const bool sans = family == FF_SWISS || family == FF_MODERN;
    if (variable && family == FF_SWISS) return 3;
    if (sans) return 2;
    return variable ? 1 : 0;
}

struct BestFamily {
    std::wstring face;
    int suitability = -1;
};

int CALLBACK NoteFamily(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM lParam) {
    BestFamily* best = reinterpret_cast<BestFamily*>(lParam);
    if (lf->lfFaceName[0] == L'@') return 1;  // vertical writing
    const int suitability = Suitability(lf->lfPitchAndFamily);
    // Among equals the first in alphabetical order, whatever the order of
    // the enumeration.
    if (suitability > best->suitability || (suitability == best->suitability && best->face > lf->lfFaceName)) {
        best->face = lf->lfFaceName;
        best->suitability = suitability;
    }
    return 1;
}

// An installed family for charset: one of the known good ones, else the
// most suitable of those installed.
std::wstring FindStandIn(BYTE charset) {
    if (charset == SHIFTJIS_CHARSET) {
        for (const wchar_t* face : kJapaneseFaces)
            if (IsFaceInstalled(face)) return face;
    }
    BestFamily best;
    LOGFONTW query = FamilyQuery(std::wstring(), charset);
    HDC screen = ::GetDC(nullptr);
    if (!screen) return std::wstring();
    ::EnumFontFamiliesExW(screen, &query, NoteFamily, reinterpret_cast<LPARAM>(&best), 0);
    ::ReleaseDC(nullptr, screen);
    return best.face;
}

}  // namespace

bool ReadTemplateFont(LPCDLGTEMPLATE lpTemplate, TemplateFont* font) {
    const BYTE* base = reinterpret_cast<const BYTE*>(lpTemplate);
    if (!base || !font) return false;
    const Header header = ReadHeader(base);
    if (!(header.style & DS_SETFONT)) return false;
    size_t at = header.fontAt + sizeof(WORD);  // point size
    font->charset = DEFAULT_CHARSET;
    if (header.extended) {
        font->charset = base[at + sizeof(WORD) + 1];  // behind weight and italic
        at += sizeof(WORD) + 2;
    }
    font->faceOffset = at;
    font->faceEnd = SkipNameOrOrdinal(base, at);
    font->face.assign(reinterpret_cast<const wchar_t*>(base + at), (font->faceEnd - at) / sizeof(wchar_t) - 1);
    return true;
}

size_t TemplateSize(LPCDLGTEMPLATE lpTemplate) {
    const BYTE* base = reinterpret_cast<const BYTE*>(lpTemplate);
    const Header header = ReadHeader(base);
    size_t at = header.fontAt;
    TemplateFont font;
    if (ReadTemplateFont(lpTemplate, &font)) at = font.faceEnd;
    for (WORD i = 0; i < header.count; ++i) {
        at = AlignDword(at) + (header.extended ? kItemSizeEx : kItemSize);
        at = SkipNameOrOrdinal(base, at);  // class
        at = SkipNameOrOrdinal(base, at);  // title
        at += sizeof(WORD) + WordAt(base, at);
    }
    return at;
}

std::vector<BYTE> WithFace(LPCDLGTEMPLATE lpTemplate, size_t size, const TemplateFont& font, const std::wstring& face) {
    const BYTE* base = reinterpret_cast<const BYTE*>(lpTemplate);
    std::vector<BYTE> copy(base, base + font.faceOffset);
    const BYTE* name = reinterpret_cast<const BYTE*>(face.c_str());
    copy.insert(copy.end(), name, name + (face.size() + 1) * sizeof(wchar_t));
    copy.resize(AlignDword(copy.size()), 0);
    // The items, from the DWORD boundary behind the old name on.
    const size_t items = AlignDword(font.faceEnd);
    if (items < size) copy.insert(copy.end(), base + items, base + size);
    return copy;
}

bool IsFaceInstalled(const std::wstring& face) {
    if (face.empty()) return false;
    LOGFONTW query = FamilyQuery(face, DEFAULT_CHARSET);
    bool found = false;
    HDC screen = ::GetDC(nullptr);
    if (!screen) return true;  // nothing to compare with: leave the template alone
    ::EnumFontFamiliesExW(screen, &query, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, screen);
    return found;
}

std::wstring StandInFace(const std::wstring& face, BYTE charset) {
    if (charset == DEFAULT_CHARSET) charset = AnsiCharset();
    if (!IsDoubleByteCharset(charset)) return std::wstring();

    static std::mutex lock;
    static std::map<std::pair<std::wstring, BYTE>, std::wstring> answers;
    std::lock_guard<std::mutex> guard(lock);
    const auto key = std::make_pair(face, charset);
    const auto known = answers.find(key);
    if (known != answers.end()) return known->second;
    const std::wstring standIn = IsFaceInstalled(face) ? std::wstring() : FindStandIn(charset);
    answers[key] = standIn;
    return standIn;
}

LPCDLGTEMPLATE WithInstalledFont(LPCDLGTEMPLATE lpTemplate, std::vector<BYTE>* copy) {
    TemplateFont font;
    if (!lpTemplate || !copy || !ReadTemplateFont(lpTemplate, &font)) return lpTemplate;
    try {
        const std::wstring standIn = StandInFace(font.face, font.charset);
        if (standIn.empty()) return lpTemplate;
        *copy = WithFace(lpTemplate, TemplateSize(lpTemplate), font, standIn);
        return reinterpret_cast<LPCDLGTEMPLATE>(copy->data());
    } catch (const std::exception&) {
        return lpTemplate;  // the designed face, whatever the system makes of it
    }
}

}  // namespace AfxDialogFont
