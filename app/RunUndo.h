// RunUndo.h - undoing the last run from its journal.
//
// Classes:
//   CRunUndo  takes the journal's steps back, last step first, with the
//             run's progress display; then brings the list in line
//
// An undo never overwrites a file and never deletes an original: a rename
// is taken back only when the new name is there and the old one is free; a
// copy the run made is removed only while its size and last-write time are
// still the original's (a copy changed since is kept and reported). Every
// step goes through the real (UTF-16) names the journal holds; a step whose
// names were not read back exactly is reported, never taken. A step
// the journal announces but that was never taken (the run ended first) is
// passed over. Taking the steps back twice does no harm, so a journal whose
// undo failed in part stays for another try; a complete undo removes it.
#pragma once

#include "RunJournal.h"

#include <string>
#include <vector>

class CRunUndo {
public:
    explicit CRunUndo(const CString& journalPath);

    // Takes the steps back; returns the report of the files that could not
    // be, empty when all went back.
    CString Execute();
    // The listed items that the undo renamed or whose copy it removed get
    // the names and folders they stand for now.
    void Apply(CObList& items) const;

private:
    // One undone step: folder\from became folder\to (a rename), or the copy
    // in folder was removed and the item is the original in toFolder again.
    struct Done {
        std::wstring folder;
        std::wstring from;
        std::wstring to;
        std::wstring toFolder;  // set for a removed copy
    };
    // Each returns false with a report line when the step stays.
    bool UndoRename(const JournalRecord& record, CString* failure);
    bool UndoCopy(const JournalRecord& record, CString* failure);

    CString m_strPath;
    std::vector<Done> m_done;
};
