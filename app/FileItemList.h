// FileItemList.h - the ordered, owning list of the target files of a run.
#pragma once

#include "FileItem.h"

class CVoFileFind;

#include <cstddef>
#include <unordered_map>

class CFileItemList {
public:
    CFileItemList();
    CFileItemList(const CFileItemList&) = delete;
    CFileItemList& operator=(const CFileItemList&) = delete;

    // The virtual operations, in the order of the table: Execute,
    // MakeNewNames, IsNew, the destructor.

    // Renames every item from the last to the first with a progress display;
    // returns the failure report, empty when every file succeeded.
    virtual CString Execute();
    // Sets m_strNewName of every item: prefix + PadNumber(width, n) + "." + ext;
    // for a name only UTF-16 holds, the same in UTF-16 (m_wstrNewName).
    virtual bool MakeNewNames(const char* baseName, int width, int start, bool renameFile);
    // False when an item of the list IsEqual to candidate. Looks the candidate
    // up in an index instead of scanning the list; see the index below.
    virtual bool IsNew(CFileItem* candidate);
    virtual ~CFileItemList();

    // Appends a copy of found; null (after a message) when memory ran out.
    CFileItem* Add(CFileItem* found);
    // Appends every record of a search that IsNew accepts, in the finder's
    // order; returns how many were added.
    int AddFound(CVoFileFind& finder);
    void RemoveItems(CObList* items, bool del);
    void MoveBefore(CFileItem* target, CObList* items);
    void MoveAfter(CFileItem* target, CObList* items);
    void RemoveAll();
    // Names or folders of listed items were changed outside a run (an undo).
    void ItemsChanged() { m_bIndexValid = false; }

    CObList m_list;  // CFileItem*, owned, in run order

private:
    // IsNew looks items up by FileItemHash instead of scanning the list. The
    // index follows Add, RemoveItems and RemoveAll; it is rebuilt when it
    // may be stale: after a run (names and folders changed) or when m_list
    // was edited directly and the counts no longer agree. A folder, name,
    // size or time changed by hand on a listed item (not by a run) is seen
    // by IsNew only after the next rebuild.
    void IndexItem(CFileItem* item);
    void UnindexItem(CFileItem* item);
    bool RebuildIndex();
    bool IndexUsable() const;

    std::unordered_multimap<size_t, CFileItem*> m_index;
    bool m_bIndexValid;
};

// A hash of what CFileItem::IsEqual compares: folder, name, size and time.
size_t FileItemHash(const CFileItem& item);
