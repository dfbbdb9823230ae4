// VoStringArray.cpp - splitting, sorting, de-duplicating and searching
// string arrays of Shift-JIS byte strings.
#include "VoStringArray.h"

#include <cstring>
#include <vector>

namespace {

// Length of a double-byte-aware step at p: 2 for a lead byte followed by a
// trail byte, else 1.
int CharLength(const char* p) { return (AfxIsLeadByte(static_cast<unsigned char>(p[0])) && p[1] != '\0') ? 2 : 1; }

// True when key occurs in text starting on a character boundary of text, so
// that a match never begins on the second byte of a double-byte character.
// An empty key is contained in every text.
bool Contains(const char* text, const char* key) {
    const size_t keyLength = std::strlen(key);
    if (keyLength == 0) return true;
    for (const char* p = text; *p != '\0'; p += CharLength(p)) {
        if (std::strncmp(p, key, keyLength) == 0) return true;
    }
    return false;
}

// Equality (exact) or containment of key in text, with the ASCII letters of
// both folded to upper case unless caseSensitive.
bool Matches(const char* text, const char* key, bool exact, bool caseSensitive) {
    if (!text) text = "";
    if (!key) key = "";
    if (caseSensitive) return exact ? std::strcmp(text, key) == 0 : Contains(text, key);

    CString upperText(text);
    CString upperKey(key);
    upperText.MakeUpper();
    upperKey.MakeUpper();
    return exact ? upperText == upperKey : Contains(upperText, upperKey);
}

// True when candidate should come before best in the given order.
bool Precedes(const CString& candidate, const CString& best, SortOrder order) {
    const int cmp = candidate.Compare(best);
    return order == SORT_ASCENDING ? cmp < 0 : cmp > 0;
}

}  // namespace

bool _Divide(const char* text, int length, CStringArray* out, char separator) {
    if (!text || !out || length <= 0) return true;

    // Work on a terminated copy; never read past the text's own terminator.
    const size_t available = strnlen(text, static_cast<size_t>(length));
    std::vector<char> copy(text, text + available);
    copy.push_back('\0');

    const char* p = copy.data();
    if (separator != '\0' && *p == separator) ++p;
    for (;;) {
        const char* start = p;
        while (*p != '\0' && *p != separator) p += CharLength(p);
        if (p > start) out->Add(CString(start, static_cast<int>(p - start)));
        if (*p == '\0') break;
        ++p;  // behind the separator
    }
    return true;
}

bool _Sort(CString* strings, int count, SortOrder order) {
    if (!strings || count <= 0) return false;

    // Selection sort: the first of several equal candidates wins.
    for (int i = 0; i < count; ++i) {
        int best = i;
        for (int j = i + 1; j < count; ++j) {
            if (Precedes(strings[j], strings[best], order)) best = j;
        }
        if (best != i) {
            CString held = strings[i];
            strings[i] = strings[best];
            strings[best] = held;
        }
    }
    return true;
}

bool _Sort(CStringArray* array, SortOrder order) {
    if (!array || array->GetSize() == 0) return false;
    return _Sort(array->GetData(), array->GetSize(), order);
}

long _DeleteOverlap(CStringArray* array) {
    if (!array) return 0;
    const int size = array->GetSize();
    if (size <= 1) return size;

    _Sort(array, SORT_ASCENDING);

    // Keep the first of every run of equal elements, closing the gaps.
    CString* items = array->GetData();
    int kept = 1;
    for (int i = 1; i < size; ++i) {
        if (items[i] != items[kept - 1]) {
            if (i != kept) items[kept] = items[i];
            ++kept;
        }
    }
    array->RemoveAt(kept, size - kept);
    return kept;
}

bool _StringArrayFind(const CStringArray& array, const char* key, FindWay way) {
    if (!key) key = "";
    for (int i = 0; i < array.GetSize(); ++i) {
        const CString element = array.GetAt(i);
        bool match = false;
        switch (way) {
        case FIND_EQUAL:
            match = Matches(element, key, true, true);
            break;
        case FIND_CONTAINS:
            match = Matches(element, key, false, true);
            break;
        case FIND_CONTAINED:
            match = Matches(key, element, false, true);
            break;
        case FIND_EQUAL_NOCASE:
            match = Matches(element, key, true, false);
            break;
        case FIND_CONTAINS_NOCASE:
            match = Matches(element, key, false, false);
            break;
        case FIND_CONTAINED_NOCASE:
            match = Matches(key, element, false, false);
            break;
        default:
            return false;
        }
        if (match) return true;
    }
    return false;
}

bool _StringCompare(const char* text, const char* key, bool exact, bool caseSensitive) {
    return Matches(text, key, exact, caseSensitive);
}
