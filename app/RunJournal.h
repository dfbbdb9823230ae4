// RunJournal.h - the record of a run's steps, kept so that the run can be
// undone.
//
// Classes:
//   CRunJournal       writes one line per copy or rename before the step is
//                     taken, and an end mark when the run is over
//   CRunJournalScope  makes a journal the one the running run writes to
//
// The journal is a text file (one record per line, fields separated by
// tabs) that holds every name exactly: UTF-8 since its header line says so;
// journals written before that (Shift-JIS) are still read. Each record goes to the file with its own write, so
// whatever happens to the process afterwards, the file holds every step
// begun. A journal without its end mark belongs to a run that did not end:
// killed, or crashed. A step that fails is followed by a mark that takes its
// record back, so an undo never mistakes another file for its result. The
// file is made at the run's first step, so a run
// that changes nothing leaves the previous run's journal in place.
#pragma once

#include <afx.h>

#include <string>
#include <vector>

// One step of a run as the journal keeps it; folders and names in their
// real (UTF-16) form, folders without a trailing '\'.
struct JournalRecord {
    enum Kind { RENAME, COPY };
    Kind kind;
    std::wstring folder;        // RENAME: the file's folder; COPY: the destination
    std::wstring name;          // RENAME: the name before; COPY: the name copied
    std::wstring newName;       // RENAME: the name after
    std::wstring sourceFolder;  // COPY: where the original lies
    ULONGLONG size;             // COPY: the original's size
    ULONGLONG time;             // COPY: the original's last-write time
    // False when a name was not read back exactly (an old journal's marked
    // or broken text): the fields then only show it and name no file.
    bool exact;
};

class CRunJournal {
public:
    explicit CRunJournal(const CString& path);
    ~CRunJournal();
    CRunJournal(const CRunJournal&) = delete;
    CRunJournal& operator=(const CRunJournal&) = delete;

    // Before the file source (a full path) is copied into destFolder.
    void RecordCopy(const std::wstring& source, const std::wstring& destFolder, const std::wstring& name);
    // Before folder\oldName is renamed to newName.
    void RecordRename(const std::wstring& folder, const std::wstring& oldName, const std::wstring& newName);
    // The step recorded last was not taken after all (it failed).
    void RecordFailure();
    // The run is over: the end mark (only when the run wrote anything).
    void Finish();

    // The records of the journal at path, in the order written; finished
    // tells whether it has its end mark. False when there is none to read.
    static bool Read(const CString& path, std::vector<JournalRecord>* records, bool* finished);
    static bool Exists(const CString& path);
    // A journal whose run did not end.
    static bool IsUnfinished(const CString& path);
    // Adds the end mark to an unfinished journal (its run will not go on).
    static void MarkFinished(const CString& path);

private:
    bool Write(const std::string& line);

    CString m_path;
    HANDLE m_hFile;  // open from the first record to Finish
    bool m_bFailed;  // the file could not be made: the run goes on without it
};

// The journal the running run writes to; null when none.
extern CRunJournal* g_pRunJournal;

class CRunJournalScope {
public:
    explicit CRunJournalScope(CRunJournal* journal);
    ~CRunJournalScope();
    CRunJournalScope(const CRunJournalScope&) = delete;
    CRunJournalScope& operator=(const CRunJournalScope&) = delete;

private:
    CRunJournal* m_pPrevious;
};
