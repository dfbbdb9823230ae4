// FileItemList.cpp - the ordered, owning list of the target files of a run.
#include "FileItemList.h"

#include "RunProgress.h"
#include "WideName.h"

#include <Vokit.h>

#include <memory>
#include <new>
#include <unordered_set>
#include <vector>

PFN_CREATE_RUN_PROGRESS g_pfnCreateRunProgress = nullptr;

namespace {

const UINT IDS_NO_MEMORY = 61457;  // "メモリが足りません。"
const int kMaxReportedFailures = 10;

CFileItem* ItemOf(CObject* object) { return static_cast<CFileItem*>(object); }

void ReportNoMemory() { AfxMessageBox(IDS_NO_MEMORY, MB_ICONEXCLAMATION); }

// The first item of list that IsEqual to candidate, or null. A plain scan
// over the whole list, for when the index cannot be built.
const CFileItem* FindEqual(const CObList& list, const CFileItem* candidate) {
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const CFileItem* item = static_cast<const CFileItem*>(list.GetNext(pos));
        if (item->IsEqual(candidate)) return item;
    }
    return nullptr;
}

// Gathers the items of `items` that are in list into one block right before
// (or after) target, keeping their order in `items`. Null pointers, pointers
// that are not in the list and repeats are passed over; a target that is
// itself among the items leaves the list alone. The new order is worked out
// first and then written over the existing nodes, so the list never gains,
// loses or doubles an item, even when memory runs out on the way.
void MoveBlock(CObList& list, CFileItem* target, CObList* items, bool after) {
    if (!target || !items || !list.Find(target)) return;
    try {
        std::unordered_set<CObject*> requested;
        for (POSITION pos = items->GetHeadPosition(); pos;) {
            if (CObject* item = items->GetNext(pos)) requested.insert(item);
        }
        if (requested.count(target)) return;

        std::unordered_set<CObject*> moving;
        for (POSITION pos = list.GetHeadPosition(); pos;) {
            CObject* item = list.GetNext(pos);
            if (requested.count(item)) moving.insert(item);
        }
        std::vector<CObject*> block;
        for (POSITION pos = items->GetHeadPosition(); pos;) {
            CObject* item = items->GetNext(pos);
            if (moving.count(item) && requested.erase(item)) block.push_back(item);
        }

        std::vector<CObject*> order;
        order.reserve(list.GetCount());
        for (POSITION pos = list.GetHeadPosition(); pos;) {
            CObject* item = list.GetNext(pos);
            if (item == target) {
                if (!after) order.insert(order.end(), block.begin(), block.end());
                order.push_back(item);
                if (after) order.insert(order.end(), block.begin(), block.end());
            } else if (!moving.count(item)) {
                order.push_back(item);
            }
        }
        if (order.size() != static_cast<size_t>(list.GetCount())) return;

        size_t i = 0;
        for (POSITION pos = list.GetHeadPosition(); pos;) {
            POSITION at = pos;
            list.GetNext(pos);
            list.SetAt(at, order[i++]);
        }
    } catch (const std::bad_alloc&) {
        ReportNoMemory();
    }
}

// FNV-1a over a run of bytes.
const size_t kFnvOffset = 14695981039346656037ull;
const size_t kFnvPrime = 1099511628211ull;

size_t HashBytes(size_t hash, const void* data, size_t size) {
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * kFnvPrime;
    return hash;
}

size_t HashText(size_t hash, const CString& text) {
    // The terminator keeps "ab"+"c" apart from "a"+"bc".
    return HashBytes(hash, static_cast<LPCSTR>(text), static_cast<size_t>(text.GetLength()) + 1);
}

size_t HashText(size_t hash, const std::wstring& text) {
    return HashBytes(hash, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

// The new name of a file whose own name exists only in UTF-16: the same
// rule in UTF-16, so that the file keeps its own name or extension.
void MakeWideNewName(CFileItem* item, const char* baseName, const CString& number, bool renameFile) {
    const std::wstring& name = item->m_wstrName;
    const size_t dot = name.rfind(L'.');
    const std::wstring extension = dot == std::wstring::npos ? name : name.substr(dot + 1);
    std::wstring prefix = dot == std::wstring::npos ? name : name.substr(0, dot);
    if (renameFile) {
        prefix = WideOf(baseName);
        if (prefix.empty() && baseName && *baseName) {
            // No real form: the name stays one no file can be given.
            item->m_strNewName = CString(baseName) + number + "." + ShownOf(extension);
            item->m_wstrNewName.clear();
            return;
        }
    }
    item->SetWideNewName(prefix + WideOf(number) + L"." + extension);
}

}  // namespace

size_t FileItemHash(const CFileItem& item) {
    size_t hash = HashText(kFnvOffset, item.m_strFolder);
    hash = HashText(hash, item.m_strName);
    hash = HashText(hash, item.m_wstrFolder);
    hash = HashText(hash, item.m_wstrName);
    hash = HashBytes(hash, &item.m_nSize, sizeof item.m_nSize);
    hash = HashBytes(hash, &item.m_ftTime.dwLowDateTime, sizeof item.m_ftTime.dwLowDateTime);
    return HashBytes(hash, &item.m_ftTime.dwHighDateTime, sizeof item.m_ftTime.dwHighDateTime);
}

CFileItemList::CFileItemList() : m_bIndexValid(true) {}

CFileItemList::~CFileItemList() { RemoveAll(); }

int CFileItemList::AddFound(CVoFileFind& finder) {
    int added = 0;
    if (IndexUsable()) {
        try {
            m_index.reserve(m_index.size() + static_cast<size_t>(finder.GetSize()));  // one rehash, not many
        } catch (const std::bad_alloc&) {
            // It grows as it goes.
        }
    }
    CFileItem found;
    for (int i = 0; i < finder.GetSize(); ++i) {
        const CWin32FindData& record = finder[i];
        found.m_strName = record.GetFileName();
        found.m_strFolder = record.m_strPath;
        found.m_nSize = static_cast<int>(record.nFileSizeLow);
        found.m_ftTime = record.ftLastWriteTime;
        found.m_wstrName = record.m_wstrFileName;
        found.m_wstrFolder = record.m_wstrPath;
        if (IsNew(&found) && Add(&found)) ++added;
    }
    return added;
}

// The run: renames every item from the last to the first, so that names
// moving upward within one folder find their targets already freed. Failures
// are listed (at most ten) in the report; an empty report means success.
// The progress display is the run's own until the run ends.
CString CFileItemList::Execute() {
    CString report;
    int failures = 0;
    std::unique_ptr<CRunProgress> progress = g_pfnCreateRunProgress ? g_pfnCreateRunProgress() : nullptr;
    if (!progress) return report;  // no display, no run

    progress->Begin(m_list.GetCount());
    CFolderCheckScope folderChecks;
    for (POSITION pos = m_list.GetTailPosition(); pos;) {
        CFileItem* item = ItemOf(m_list.GetPrev(pos));
        progress->Step();
        if (progress->StopRequested()) break;
        progress->ShowFile(item->GetStepText());

        // Taken after the call: when the copy was made but its rename failed,
        // the item already names the copy, and that is the file to report.
        if (!item->Rename() && failures < kMaxReportedFailures) {
            report += item->GetFullPath() + "\n";
            ++failures;
        }
    }
    progress->End();
    m_bIndexValid = false;  // renamed and copied items have new keys

    if (!report.IsEmpty()) report = "以下のファイル名が変更に失敗しました。\n\n" + report;
    if (failures >= kMaxReportedFailures) report += "\n\nその他多数・・・";
    return report;
}

// prefix + number + "." + extension for every item, numbered in list order.
// The count goes on past the largest int instead of wrapping round.
bool CFileItemList::MakeNewNames(const char* baseName, int width, int start, bool renameFile) {
    long long number = start;
    for (POSITION pos = m_list.GetHeadPosition(); pos; ++number) {
        CFileItem* item = ItemOf(m_list.GetNext(pos));
        const CString numberText = PadNumber64(width, number);
        if (!item->m_wstrName.empty()) {
            MakeWideNewName(item, baseName, numberText, renameFile);
            continue;
        }
        CString prefix = renameFile ? CString(baseName) : _GetFileNameToNameOnly(item->m_strName);
        item->m_strNewName = prefix + numberText + "." + _GetFileNameToExpandOnly(item->m_strName);
        item->m_wstrNewName.clear();
    }
    return true;
}

bool CFileItemList::IsNew(CFileItem* candidate) {
    if (!candidate) return false;
    if (!IndexUsable() && !RebuildIndex()) return !FindEqual(m_list, candidate);
    auto range = m_index.equal_range(FileItemHash(*candidate));
    for (auto it = range.first; it != range.second; ++it) {
        if (it->second->IsEqual(candidate)) return false;
    }
    return true;
}

CFileItem* CFileItemList::Add(CFileItem* found) {
    if (!found) return nullptr;
    CFileItem* item = nullptr;
    try {
        item = new CFileItem(*found);
        m_list.AddTail(item);
        IndexItem(item);
        return item;
    } catch (CMemoryException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
    delete item;
    ReportNoMemory();
    return nullptr;
}

// Removes (and with del deletes) each listed item that is in the list; null
// pointers, strangers and repeats are passed over. One walk over the list
// for all of them, so that removing many items stays linear.
void CFileItemList::RemoveItems(CObList* items, bool del) {
    if (!items || items->IsEmpty()) return;
    std::unordered_set<CObject*> requested;
    try {
        for (POSITION pos = items->GetHeadPosition(); pos;) {
            if (CObject* item = items->GetNext(pos)) requested.insert(item);
        }
    } catch (const std::bad_alloc&) {
        // No room for the set: one search per item instead.
        for (POSITION pos = items->GetHeadPosition(); pos;) {
            CObject* item = items->GetNext(pos);
            POSITION at = item ? m_list.Find(item) : nullptr;
            if (!at) continue;
            m_list.RemoveAt(at);
            UnindexItem(ItemOf(item));
            if (del) delete item;
        }
        return;
    }
    for (POSITION pos = m_list.GetHeadPosition(); pos && !requested.empty();) {
        POSITION at = pos;
        CObject* item = m_list.GetNext(pos);
        if (!requested.erase(item)) continue;
        m_list.RemoveAt(at);
        UnindexItem(ItemOf(item));
        if (del) delete item;
    }
}

void CFileItemList::MoveBefore(CFileItem* target, CObList* items) { MoveBlock(m_list, target, items, false); }

void CFileItemList::MoveAfter(CFileItem* target, CObList* items) { MoveBlock(m_list, target, items, true); }

void CFileItemList::RemoveAll() {
    m_index.clear();
    m_bIndexValid = true;
    while (!m_list.IsEmpty()) delete m_list.RemoveHead();
}

// ---- The index of IsNew ------------------------------------------------------

bool CFileItemList::IndexUsable() const {
    return m_bIndexValid && m_index.size() == static_cast<size_t>(m_list.GetCount());
}

void CFileItemList::IndexItem(CFileItem* item) {
    if (!m_bIndexValid) return;  // rebuilt when next needed
    try {
        m_index.emplace(FileItemHash(*item), item);
    } catch (const std::bad_alloc&) {
        m_bIndexValid = false;
    }
}

void CFileItemList::UnindexItem(CFileItem* item) {
    if (!m_bIndexValid) return;
    auto range = m_index.equal_range(FileItemHash(*item));
    for (auto it = range.first; it != range.second; ++it) {
        if (it->second == item) {
            m_index.erase(it);
            return;
        }
    }
    m_bIndexValid = false;  // the item changed since it was indexed
}

bool CFileItemList::RebuildIndex() {
    m_index.clear();
    m_bIndexValid = false;
    try {
        m_index.reserve(static_cast<size_t>(m_list.GetCount()));
        for (POSITION pos = m_list.GetHeadPosition(); pos;) {
            CFileItem* item = ItemOf(m_list.GetNext(pos));
            m_index.emplace(FileItemHash(*item), item);
        }
    } catch (const std::bad_alloc&) {
        m_index.clear();
        return false;
    }
    m_bIndexValid = true;
    return true;
}
