// RunJournal.cpp - the record of a run's steps, kept so that the run can be
// undone.
#include "RunJournal.h"

#include "RunCheck.h"

#include <cstdlib>
#include <string>

CRunJournal* g_pRunJournal = nullptr;

namespace {

const char kHeader[] = "Ordovan journal 1";
const char kEndMark[] = "E";
const char kFailureMark[] = "X";
const char kLineEnd[] = "\r\n";

ULONGLONG Join64(DWORD high, DWORD low) { return (static_cast<ULONGLONG>(high) << 32) | low; }

CString Number(ULONGLONG value) { return CString(std::to_string(value).c_str()); }

// The tab-separated fields of line.
std::vector<CString> Fields(const std::string& line) {
    std::vector<CString> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(CString(line.substr(start, tab - start).c_str()));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
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
bool CRunJournal::Write(const CString& line) {
    if (m_bFailed || m_path.IsEmpty()) return false;
    CString text = line + kLineEnd;
    if (m_hFile == INVALID_HANDLE_VALUE) {
        m_hFile =
            CreateFileA(m_path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (m_hFile == INVALID_HANDLE_VALUE) {
            m_bFailed = true;
            return false;
        }
        text = CString(kHeader) + kLineEnd + text;
    }
    DWORD written = 0;
    return WriteFile(m_hFile, static_cast<LPCSTR>(text), static_cast<DWORD>(text.GetLength()), &written, nullptr) &&
           written == static_cast<DWORD>(text.GetLength());
}

void CRunJournal::RecordCopy(const CString& source, const CString& destFolder, const CString& name) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(source, GetFileExInfoStandard, &data);
    const int cut = source.ReverseFind('\\');
    const CString sourceFolder = cut >= 0 ? source.Left(cut) : CString();
    Write("C\t" + sourceFolder + "\t" + name + "\t" + FolderKey(destFolder) + "\t" +
          Number(Join64(data.nFileSizeHigh, data.nFileSizeLow)) + "\t" +
          Number(Join64(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)));
}

void CRunJournal::RecordRename(const CString& folder, const CString& oldName, const CString& newName) {
    Write("R\t" + FolderKey(folder) + "\t" + oldName + "\t" + newName);
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
    for (size_t end; (end = data.find(kLineEnd, start)) != std::string::npos; start = end + 2) {
        const std::string line = data.substr(start, end - start);
        if (first) {
            if (line != kHeader) return false;
            first = false;
            continue;
        }
        const std::vector<CString> fields = Fields(line);
        if (line == kEndMark) {
            *finished = true;
        } else if (line == kFailureMark) {
            if (!records->empty()) records->pop_back();
        } else if (fields.size() == 4 && fields[0] == "R") {
            records->push_back({JournalRecord::RENAME, fields[1], fields[2], fields[3], CString(), 0, 0});
        } else if (fields.size() == 6 && fields[0] == "C") {
            records->push_back({JournalRecord::COPY, fields[3], fields[2], CString(), fields[1],
                                std::strtoull(fields[4], nullptr, 10), std::strtoull(fields[5], nullptr, 10)});
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
