// RunJournal.cpp - the record of a run's steps, kept so that the run can be
// undone.
#include "RunJournal.h"

#include "FileItem.h"
#include "WideName.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

CRunJournal* g_pRunJournal = nullptr;

namespace {

// The header of the journals this program writes (names in UTF-8), and of
// those written before (names in Shift-JIS).
const char kHeader[] = "Ordovan journal 2";
const char kShiftJisHeader[] = "Ordovan journal 1";
const char kEndMark[] = "E";
const char kFailureMark[] = "X";
const char kLineEnd[] = "\r\n";
const char kNoUtf8[] = "\xFF";  // never part of UTF-8 text

ULONGLONG Join64(DWORD high, DWORD low) { return (static_cast<ULONGLONG>(high) << 32) | low; }

std::string Number(ULONGLONG value) { return std::to_string(value); }

// The UTF-8 form of wide. A name that is no valid UTF-16 (a lone surrogate)
// has none: it is written behind a byte that no UTF-8 text holds, so that
// reading it back never yields a look-alike name.
std::string Utf8Of(const std::wstring& wide) {
    if (wide.empty()) return std::string();
    const int length = static_cast<int>(wide.size());
    DWORD flags = WC_ERR_INVALID_CHARS;
    int bytes = ::WideCharToMultiByte(CP_UTF8, flags, wide.c_str(), length, nullptr, 0, nullptr, nullptr);
    std::string text;
    if (bytes <= 0) {
        flags = 0;
        text = kNoUtf8;
        bytes = ::WideCharToMultiByte(CP_UTF8, flags, wide.c_str(), length, nullptr, 0, nullptr, nullptr);
    }
    if (bytes <= 0) return text;
    const size_t start = text.size();
    text.resize(start + static_cast<size_t>(bytes));
    ::WideCharToMultiByte(CP_UTF8, flags, wide.c_str(), length, &text[start], bytes, nullptr, nullptr);
    return text;
}

// The UTF-16 form of text in code page codePage; false when the text is not
// exactly that (*wide then only shows it).
bool Decode(UINT codePage, const std::string& text, std::wstring* wide) {
    wide->clear();
    if (text.empty()) return true;
    const int length = static_cast<int>(text.size());
    int chars = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.c_str(), length, nullptr, 0);
    const bool exact = chars > 0;
    const DWORD flags = exact ? MB_ERR_INVALID_CHARS : 0;
    if (!exact) chars = ::MultiByteToWideChar(codePage, 0, text.c_str(), length, nullptr, 0);
    if (chars <= 0) return false;
    wide->resize(static_cast<size_t>(chars));
    ::MultiByteToWideChar(codePage, flags, text.c_str(), length, &(*wide)[0], chars);
    return exact;
}

// The tab-separated fields of line.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

// The name fields of a record line, decoded; false when one is not exact
// (or empty: no record has an empty folder or name). In a Shift-JIS journal
// a name the code page could not hold was written as its shown form behind
// kWideNameMark: it names no file.
bool DecodeNames(bool utf8, const std::vector<std::string>& fields, std::initializer_list<size_t> indexes,
                 std::initializer_list<std::wstring*> names) {
    bool exact = true;
    auto name = names.begin();
    for (size_t index : indexes) {
        const std::string& text = fields[index];
        if (utf8) {
            exact = Decode(CP_UTF8, text, *name) && exact;
        } else {
            **name = WideOf(text.c_str());
            if (name[0]->empty() || text.compare(0, std::strlen(kWideNameMark), kWideNameMark) == 0) exact = false;
            if (name[0]->empty()) Decode(932, text, *name);
        }
        if (text.empty()) exact = false;
        ++name;
    }
    return exact;
}

bool ReadWholeFile(const CString& path, std::string* data) {
    HANDLE file =
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) data->append(buffer, got);
    CloseHandle(file);
    return true;
}

}  // namespace

CRunJournal::CRunJournal(const CString& path) : m_path(path), m_hFile(INVALID_HANDLE_VALUE), m_bFailed(false) {}

CRunJournal::~CRunJournal() {
    if (m_hFile != INVALID_HANDLE_VALUE) CloseHandle(m_hFile);
}

// One record, one write: the line is on its way to the disk before the step
// it announces is taken. The file is made (replacing the last run's) with
// the first record.
bool CRunJournal::Write(const std::string& line) {
    if (m_bFailed || m_path.IsEmpty()) return false;
    std::string text = line + kLineEnd;
    if (m_hFile == INVALID_HANDLE_VALUE) {
        m_hFile =
            CreateFileA(m_path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (m_hFile == INVALID_HANDLE_VALUE) {
            m_bFailed = true;
            return false;
        }
        text = kHeader + (kLineEnd + text);
    }
    DWORD written = 0;
    return WriteFile(m_hFile, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == static_cast<DWORD>(text.size());
}

void CRunJournal::RecordCopy(const std::wstring& source, const std::wstring& destFolder, const std::wstring& name) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExW(source.c_str(), GetFileExInfoStandard, &data);
    const size_t cut = source.rfind(L'\\');
    const std::wstring sourceFolder = cut != std::wstring::npos ? source.substr(0, cut) : std::wstring();
    Write("C\t" + Utf8Of(sourceFolder) + "\t" + Utf8Of(name) + "\t" + Utf8Of(WithoutSeparator(destFolder)) + "\t" +
          Number(Join64(data.nFileSizeHigh, data.nFileSizeLow)) + "\t" +
          Number(Join64(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)));
}

void CRunJournal::RecordRename(const std::wstring& folder, const std::wstring& oldName, const std::wstring& newName) {
    Write("R\t" + Utf8Of(WithoutSeparator(folder)) + "\t" + Utf8Of(oldName) + "\t" + Utf8Of(newName));
}

void CRunJournal::RecordFailure() {
    if (m_hFile != INVALID_HANDLE_VALUE) Write(kFailureMark);
}

void CRunJournal::Finish() {
    if (m_hFile == INVALID_HANDLE_VALUE) return;
    Write(kEndMark);
    CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

// Only whole lines count: a record cut short by the end of the process
// announces a step that was never taken.
bool CRunJournal::Read(const CString& path, std::vector<JournalRecord>* records, bool* finished) {
    records->clear();
    *finished = false;
    std::string data;
    if (!ReadWholeFile(path, &data)) return false;
    size_t start = 0;
    bool first = true;
    bool utf8 = true;
    for (size_t end; (end = data.find(kLineEnd, start)) != std::string::npos; start = end + 2) {
        const std::string line = data.substr(start, end - start);
        if (first) {
            if (line != kHeader && line != kShiftJisHeader) return false;
            utf8 = line == kHeader;
            first = false;
            continue;
        }
        const std::vector<std::string> fields = Fields(line);
        JournalRecord record = {JournalRecord::RENAME, {}, {}, {}, {}, 0, 0, true};
        if (line == kEndMark) {
            *finished = true;
        } else if (line == kFailureMark) {
            if (!records->empty()) records->pop_back();
        } else if (fields.size() == 4 && fields[0] == "R") {
            record.exact = DecodeNames(utf8, fields, {1, 2, 3}, {&record.folder, &record.name, &record.newName});
            records->push_back(record);
        } else if (fields.size() == 6 && fields[0] == "C") {
            record.kind = JournalRecord::COPY;
            record.exact = DecodeNames(utf8, fields, {1, 2, 3}, {&record.sourceFolder, &record.name, &record.folder});
            record.size = std::strtoull(fields[4].c_str(), nullptr, 10);
            record.time = std::strtoull(fields[5].c_str(), nullptr, 10);
            records->push_back(record);
        }
    }
    return !first;
}

bool CRunJournal::Exists(const CString& path) {
    std::vector<JournalRecord> records;
    bool finished = false;
    return Read(path, &records, &finished);
}

bool CRunJournal::IsUnfinished(const CString& path) {
    std::vector<JournalRecord> records;
    bool finished = false;
    return Read(path, &records, &finished) && !finished;
}

void CRunJournal::MarkFinished(const CString& path) {
    std::string data;
    if (!IsUnfinished(path) || !ReadWholeFile(path, &data)) return;
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    // A record cut short stays a line of its own, which Read passes over.
    const bool cutShort = data.size() < 2 || data.compare(data.size() - 2, 2, kLineEnd) != 0;
    const CString text = CString(cutShort ? kLineEnd : "") + kEndMark + kLineEnd;
    DWORD written = 0;
    WriteFile(file, static_cast<LPCSTR>(text), static_cast<DWORD>(text.GetLength()), &written, nullptr);
    CloseHandle(file);
}

CRunJournalScope::CRunJournalScope(CRunJournal* journal) : m_pPrevious(g_pRunJournal) { g_pRunJournal = journal; }

CRunJournalScope::~CRunJournalScope() { g_pRunJournal = m_pPrevious; }
