// RunUndo.cpp - undoing the last run from its journal.
#include "RunUndo.h"

#include "FailureReport.h"
#include "FileItem.h"
#include "RunProgress.h"
#include "WideName.h"

#include <string>
#include <unordered_map>

namespace {

const char kHeading[] = "以下のファイルを元に戻せませんでした。";

std::wstring PathOf(const std::wstring& folder, const std::wstring& name) {
    return WithoutSeparator(folder) + L"\\" + name;
}

// The key under which a file is looked up: folder and name as the file
// system compares them.
std::wstring FileKey(const std::wstring& folder, const std::wstring& name) { return FoldCase(PathOf(folder, name)); }

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A path as the report and the progress show it: marked when code page 932
// cannot hold it.
CString Shown(const std::wstring& path) {
    CString text;
    return ExactAnsiOf(path, &text) ? text : CString(kWideNameMark) + ShownOf(path);
}

ULONGLONG Join64(DWORD high, DWORD low) { return (static_cast<ULONGLONG>(high) << 32) | low; }

}  // namespace

CRunUndo::CRunUndo(const CString& journalPath) : m_strPath(journalPath) {}

CString CRunUndo::Execute() {
    m_done.clear();
    std::vector<JournalRecord> records;
    bool finished = false;
    if (!CRunJournal::Read(m_strPath, &records, &finished)) return CString();
    std::unique_ptr<CRunProgress> progress = g_pfnCreateRunProgress ? g_pfnCreateRunProgress() : nullptr;
    if (!progress) return CString();  // no display, no undo

    CFailureReport report;
    bool stopped = false;
    progress->Begin(static_cast<int>(records.size()));
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        progress->Step();
        if (progress->StopRequested()) {
            stopped = true;
            break;
        }
        const bool rename = it->kind == JournalRecord::RENAME;
        const CString text =
            rename ? Shown(it->newName) + " -> " + Shown(it->name) : Shown(PathOf(it->folder, it->name)) + " -> ×";
        progress->ShowFile(text);
        CString failure;
        if (!(rename ? UndoRename(*it, &failure) : UndoCopy(*it, &failure))) report.Add(failure);
    }
    progress->End();

    // Done with: the menu item goes. Otherwise the journal stays for another
    // try, but no longer counts as a run that did not end.
    if (!stopped && report.Count() == 0) {
        DeleteFileA(m_strPath);
    } else {
        CRunJournal::MarkFinished(m_strPath);
    }
    return report.Text(kHeading);
}

bool CRunUndo::UndoRename(const JournalRecord& record, CString* failure) {
    const std::wstring now = PathOf(record.folder, record.newName);
    const std::wstring before = PathOf(record.folder, record.name);
    if (!record.exact) {
        *failure = Shown(now);
        return false;
    }
    if (record.name == record.newName) return true;
    const bool caseOnly = SameName(record.name, record.newName);
    if (!Exists(now)) {
        if (Exists(before)) return true;  // never renamed, or back already
        *failure = Shown(now) + "（見つかりません）";
        return false;
    }
    if (!caseOnly && Exists(before)) {
        *failure = Shown(now) + "（元の名前がほかのファイルに使われています）";
        return false;
    }
    // MoveFileW never replaces a file.
    if (!MoveFileW(now.c_str(), before.c_str())) {
        *failure = Shown(now);
        return false;
    }
    m_done.push_back({record.folder, record.newName, record.name, std::wstring()});
    return true;
}

bool CRunUndo::UndoCopy(const JournalRecord& record, CString* failure) {
    const std::wstring copy = PathOf(record.folder, record.name);
    if (!record.exact) {
        *failure = Shown(copy);
        return false;
    }
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(copy.c_str(), GetFileExInfoStandard, &data)) return true;  // never made, or gone already
    // A file in the original's own folder is the original.
    if (SameName(WithoutSeparator(record.folder), WithoutSeparator(record.sourceFolder))) return true;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return true;
    if (!Exists(PathOf(record.sourceFolder, record.name))) {
        *failure = Shown(copy) + "（元のファイルがないため残しました）";
        return false;
    }
    if (Join64(data.nFileSizeHigh, data.nFileSizeLow) != record.size ||
        Join64(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime) != record.time) {
        *failure = Shown(copy) + "（コピーの後で変更されているため残しました）";
        return false;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(copy.c_str(), data.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
    if (!DeleteFileW(copy.c_str())) {
        SetFileAttributesW(copy.c_str(), data.dwFileAttributes);
        *failure = Shown(copy);
        return false;
    }
    m_done.push_back({record.folder, record.name, record.name, record.sourceFolder});
    return true;
}

void CRunUndo::Apply(CObList& items) const {
    std::unordered_multimap<std::wstring, CFileItem*> byPath;
    for (POSITION pos = items.GetHeadPosition(); pos;) {
        CFileItem* item = static_cast<CFileItem*>(items.GetNext(pos));
        byPath.emplace(FileKey(item->GetWideFolder(), item->GetWideName()), item);
    }
    for (const Done& done : m_done) {
        auto found = byPath.find(FileKey(done.folder, done.from));
        if (found == byPath.end()) continue;
        CFileItem* item = found->second;
        byPath.erase(found);
        if (done.toFolder.empty()) {
            item->SetWideNewName(item->GetWideName());
            item->SetWideName(done.to);
        } else {
            item->SetWideFolder(done.toFolder);
        }
        byPath.emplace(FileKey(item->GetWideFolder(), item->GetWideName()), item);
    }
}
