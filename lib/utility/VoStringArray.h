// VoStringArray.h - splitting, sorting, de-duplicating and searching string
// arrays. Order and equality are byte-wise (unsigned bytes); "ignoring case"
// folds the ASCII letters.
#pragma once

#include "VokitDefs.h"

// 0 sorts ascending, any other value descending.
enum SortOrder { SORT_ASCENDING = 0, SORT_DESCENDING = 1 };

// How _StringArrayFind matches an element against the key.
enum FindWay {
    FIND_EQUAL = 0,      // element == key
    FIND_CONTAINS = 1,   // element contains key
    FIND_CONTAINED = 2,  // key contains element
    FIND_EQUAL_NOCASE = 3,
    FIND_CONTAINS_NOCASE = 4,
    FIND_CONTAINED_NOCASE = 5
};

// Appends the non-empty pieces of text between separators to *out.
VOKIT_API bool _Divide(const char* text, int length, CStringArray* out, char separator);
// Sorts ascending and removes repeated elements; returns the count left.
VOKIT_API long _DeleteOverlap(CStringArray* array);
// Selection sort in place; false for an empty array.
VOKIT_API bool _Sort(CStringArray* array, SortOrder order);
VOKIT_API bool _Sort(CString* strings, int count, SortOrder order);
VOKIT_API bool _StringArrayFind(const CStringArray& array, const char* key, FindWay way);
// exact: equality, else "text contains key".
VOKIT_API bool _StringCompare(const char* text, const char* key, bool exact, bool caseSensitive);
