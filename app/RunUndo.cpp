// RunUndo.cpp - undoing the last run from its journal.
#include "RunUndo.h"

#include "FailureReport.h"
#include "FileItem.h"
#include "RunCheck.h"
#include "RunProgress.h"

#include <string>
#include <unordered_map>

namespace {

const char kHeading[] = "以下のファイルを元に戻せませんでした。";

CString PathOf(const CString& folder, const CString& name) { return FolderKey(folder) + "\\" + name; }

// The key under which a file is looked up: folder and name as the file
// system compares them.
std::string FileKey(const CString& folder, const CString& name) {
    const CString key = FoldedName(PathOf(folder, name));
    return std::string(static_cast<LPCSTR>(key), key.GetLength());
}

bool Exists(const CString& path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

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
        const CString text = rename ? it->newName + " -> " + it->name : PathOf(it->folder, it->name) + " -> ×";
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
    if (record.name == record.newName) return true;
    const CString now = PathOf(record.folder, record.newName);
    const CString before = PathOf(record.folder, record.name);
    const bool caseOnly = FoldedName(record.name) == FoldedName(record.newName);
    if (!Exists(now)) {
        if (Exists(before)) return true;  // never renamed, or back already
        *failure = now + "（見つかりません）";
        return false;
    }
    if (!caseOnly && Exists(before)) {
        *failure = now + "（元の名前がほかのファイルに使われています）";
        return false;
    }
    // MoveFileA never replaces a file.
    if (!MoveFileA(now, before)) {
        *failure = now;
        return false;
    }
    m_done.push_back({record.folder, record.newName, record.name, CString()});
    return true;
}

bool CRunUndo::UndoCopy(const JournalRecord& record, CString* failure) {
    const CString copy = PathOf(record.folder, record.name);
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(copy, GetFileExInfoStandard, &data)) return true;  // never made, or gone already
    // A file in the original's own folder is the original.
    if (FoldedName(FolderKey(record.folder)) == FoldedName(FolderKey(record.sourceFolder))) return true;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return true;
    if (!Exists(PathOf(record.sourceFolder, record.name))) {
        *failure = copy + "（元のファイルがないため残しました）";
        return false;
    }
    if (Join64(data.nFileSizeHigh, data.nFileSizeLow) != record.size ||
        Join64(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime) != record.time) {
        *failure = copy + "（コピーの後で変更されているため残しました）";
        return false;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesA(copy, data.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
    if (!DeleteFileA(copy)) {
        SetFileAttributesA(copy, data.dwFileAttributes);
        *failure = copy;
        return false;
    }
    m_done.push_back({record.folder, record.name, record.name, record.sourceFolder});
    return true;
}

void CRunUndo::Apply(CObList& items) const {
    std::unordered_multimap<std::string, CFileItem*> byPath;
    for (POSITION pos = items.GetHeadPosition(); pos;) {
        CFileItem* item = static_cast<CFileItem*>(items.GetNext(pos));
        byPath.emplace(FileKey(item->m_strFolder, item->m_strName), item);
    }
    for (const Done& done : m_done) {
        auto found = byPath.find(FileKey(done.folder, done.from));
        if (found == byPath.end()) continue;
        CFileItem* item = found->second;
        byPath.erase(found);
        if (done.toFolder.IsEmpty()) {
            item->m_strNewName = item->m_strName;
            item->m_strName = done.to;
        } else {
            item->m_strFolder = done.toFolder;
        }
        byPath.emplace(FileKey(item->m_strFolder, item->m_strName), item);
    }
}
