// IniSection.cpp - one section of an INI file, read and written in one
// piece, and the limits of the profile functions.
#include "IniSection.h"

#include "VoIni.h"

#include <climits>
#include <cstring>
#include <new>

namespace {

// The smallest first buffer for the platform's listing of a section, and
// the largest buffer tried.
const DWORD kFirstListingSize = 64 * 1024;
const DWORD kLargestListingSize = 1024 * 1024 * 1024;
// The buffers of the numbered-list reads: a presence check reads a key into
// 1024 bytes, the list reader into 512 (values are cut to 511 bytes).
const int kPresenceBufferSize = 1024;
const int kListBufferSize = 512;

bool FitsIn(const char* text, int maxLength) {
    return !text || strnlen(text, static_cast<size_t>(maxLength) + 1) <= static_cast<size_t>(maxLength);
}

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

std::string Trimmed(const char* begin, const char* end) {
    while (begin < end && IsBlank(*begin)) ++begin;
    while (end > begin && IsBlank(end[-1])) --end;
    return std::string(begin, end);
}

// A value in matching quotes, which the platform's readers take off.
bool IsQuoted(const std::string& value) {
    return value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
}

// A buffer for the listing of a section of iniFile: as big as the file.
DWORD FirstListingSize(const char* iniFile) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!iniFile || !GetFileAttributesExA(iniFile, GetFileExInfoStandard, &data)) return kFirstListingSize;
    if (data.nFileSizeHigh || data.nFileSizeLow > kLargestListingSize) return kLargestListingSize;
    return data.nFileSizeLow + 2 > kFirstListingSize ? data.nFileSizeLow + 2 : kFirstListingSize;
}

std::string NumberKey(int n) {
    char key[16];
    snprintf(key, sizeof key, "%d", n);
    return key;
}

}  // namespace

bool IniNameFits(const char* name) { return FitsIn(name, kIniMaxNameLength); }

bool IniValueFits(const char* value) { return FitsIn(value, kIniMaxValueLength); }

// An empty name names no file: the platform would put it in its own folder.
bool IniFileNameFits(const char* iniFile) { return !(iniFile && !*iniFile) && FitsIn(iniFile, kIniMaxFileNameLength); }

int IniCutToCharacters(const char* text, int length, int maxBytes) {
    const int limit = length < maxBytes ? length : maxBytes;
    int at = 0;
    while (at < limit) {
        const int step = AfxIsLeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
        if (at + step > limit) break;
        at += step;
    }
    return at;
}

// Without a section the platform would list the section names; nothing is
// read then. When memory runs out, the elements read so far stay.
void ReadIniList(const char* section, CStringArray* array, const char* iniFile, int maxCount) {
    if (!array || !section || !IniNameFits(section) || !IniFileNameFits(iniFile)) return;
    try {
        CIniSection list(section, iniFile);
        if (!list.Load()) return;
        for (int n = 0; n < maxCount; ++n) {
            const int line = list.Find(NumberKey(n));
            if (line < 0) break;
            const CString value = list.ValueOf(line, kListBufferSize);
            if (value.IsEmpty()) break;
            array->Add(value);
        }
    } catch (CMemoryException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
}

// --- CIniSection -------------------------------------------------------------

CIniSection::CIniSection(const char* section, const char* iniFile) : m_section(section), m_iniFile(iniFile) {}

// The platform lists the section as "key=value" strings, each with its
// terminator, and one more terminator at the end. A listing that filled the
// buffer (size - 2 bytes) may have been cut: it is read again, bigger. The
// first buffer holds the whole file, which a listing rarely outgrows (each
// call costs a pass over the file).
bool CIniSection::Load() {
    m_lines.clear();
    m_byKey.clear();
    m_bChanged = false;
    try {
        std::vector<char> buffer;
        DWORD got = 0;
        for (DWORD size = FirstListingSize(m_iniFile);;
             size = size > kLargestListingSize / 4 ? kLargestListingSize : size * 4) {
            buffer.assign(size, '\0');
            got = GetPrivateProfileSectionA(m_section, buffer.data(), size, m_iniFile);
            if (got < size - 2) break;
            if (size >= kLargestListingSize) return false;
        }
        for (const char* p = buffer.data(); p < buffer.data() + got && *p; p += strlen(p) + 1) {
            const char* end = p + strlen(p);
            const char* equals = strchr(p, '=');
            Line line = {equals ? Trimmed(p, equals) : std::string(), std::string(p, end), false};
            const int index = static_cast<int>(m_lines.size());
            if (!line.key.empty()) m_byKey[line.key].push_back(index);
            m_lines.push_back(std::move(line));
        }
    } catch (const std::bad_alloc&) {
        m_lines.clear();
        m_byKey.clear();
        return false;
    }
    return true;
}

int CIniSection::Find(const std::string& key) const {
    auto it = m_byKey.find(key);
    if (it == m_byKey.end()) return -1;
    for (int index : it->second) {
        if (!m_lines[index].removed) return index;
    }
    return -1;
}

// A value in quotes is read through the platform, which knows which quotes
// it takes off; any other value is the listed text.
CString CIniSection::ValueOf(int index, int bufferSize) const {
    const Line& line = m_lines[index];
    const std::string value =
        Trimmed(line.text.c_str() + line.text.find('=') + 1, line.text.c_str() + line.text.size());
    if (IsQuoted(value)) {
        std::vector<char> buffer(bufferSize);
        const int got = _ReadIni(m_section, line.key.c_str(), m_iniFile, buffer.data(), bufferSize, "", false);
        return CString(buffer.data(), got);
    }
    const int length = static_cast<int>(value.size() < size_t(INT_MAX) ? value.size() : INT_MAX);
    return CString(value.c_str(), IniCutToCharacters(value.c_str(), length, bufferSize - 1));
}

void CIniSection::Remove(int index) {
    m_lines[index].removed = true;
    m_bChanged = true;
}

// Spaces at the end of a value are not stored, as the single-key write
// stores none (every reader skips them anyway).
void CIniSection::Set(const std::string& key, const char* value) {
    const char* end = value + strlen(value);
    while (end > value && end[-1] == ' ') --end;
    const std::string text(value, end);
    const int index = Find(key);
    if (index >= 0) {
        m_lines[index].text = m_lines[index].key + "=" + text;
    } else {
        m_byKey[key].push_back(static_cast<int>(m_lines.size()));
        m_lines.push_back(Line{key, key + "=" + text, false});
    }
    m_bChanged = true;
}

int CIniSection::RemoveNumberedKeys() {
    int n = 0;
    for (;; ++n) {
        const int line = Find(NumberKey(n));
        if (line < 0 || ValueOf(line, kPresenceBufferSize).IsEmpty()) break;
        Remove(line);
    }
    return n;
}

bool CIniSection::Save() const {
    std::string lines;
    try {
        for (const Line& line : m_lines) {
            if (line.removed) continue;
            lines += line.text;
            lines += '\0';
        }
        lines += '\0';  // c_str() adds the second terminator of an empty section
    } catch (const std::bad_alloc&) {
        return false;
    }
    return WritePrivateProfileSectionA(m_section, lines.c_str(), m_iniFile) != FALSE;
}
