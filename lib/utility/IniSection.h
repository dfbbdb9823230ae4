// IniSection.h - one section of an INI file, read and written in one piece,
// and the limits of what the platform's profile functions can store.
//
// The profile functions rewrite the whole file on every write. A numbered
// list written key by key therefore costs one rewrite of the file per key
// (minutes for a few thousand keys), and a program stopped in the middle
// leaves half a list behind. CIniSection reads the section once, applies the
// changes the single-key calls would make (same keys, same order, same lines
// deleted) in memory, and writes the section back with one call.
//
// Internal to Vokit; the INI functions (VoIni.h) are the public interface.
#pragma once

#include "VokitDefs.h"

#include <string>
#include <unordered_map>
#include <vector>

// Longest section or key name handed to the platform, in bytes. Wine's
// profile functions crash on names of 32,767 bytes or more; this leaves a
// wide margin that no setting needs.
const int kIniMaxNameLength = 255;
// Longest value (or default) handed to the platform: longer texts no longer
// fit the platform's conversion to wide characters, which then stores
// nothing (or deletes the key) and still reports success.
const int kIniMaxValueLength = 32766;
// Longest INI file name: the platform resolves no longer paths.
const int kIniMaxFileNameLength = MAX_PATH - 1;

// Whether the platform can take a name (null names, which the profile
// functions give a meaning of their own, pass).
bool IniNameFits(const char* name);
// Whether the platform can take a value or a file name (an empty file name
// names no file and never fits).
bool IniValueFits(const char* value);
bool IniFileNameFits(const char* iniFile);

// The number of bytes of text (length bytes long) that remain when it is cut
// to at most maxBytes without splitting a double-byte character; a lead
// byte without its second byte at the end is dropped too.
int IniCutToCharacters(const char* text, int length, int maxBytes);

// Appends the numbered list of section to *array, at most maxCount elements
// (_ReadIniContinue reads without limit).
void ReadIniList(const char* section, CStringArray* array, const char* iniFile, int maxCount);

class CIniSection {
public:
    CIniSection(const char* section, const char* iniFile);

    // Reads the section's key lines; false when they do not fit in memory.
    bool Load();

    // The first line holding key, -1 for none. Keys are matched byte for
    // byte, which for the numbered keys "0", "1", ... is what the platform's
    // match without letter case gives.
    int Find(const std::string& key) const;
    // The value of line index as the platform reads it into a buffer of
    // bufferSize bytes. index must be the file's first line with its key.
    CString ValueOf(int index, int bufferSize) const;
    void Remove(int index);
    // Replaces the value of the first line with key, or appends key=value.
    void Set(const std::string& key, const char* value);

    // Removes the numbered keys "0", "1", ... up to the first missing or
    // empty one, as deleting them one by one does; returns how many.
    int RemoveNumberedKeys();

    bool IsChanged() const { return m_bChanged; }
    // Writes the section back with one call; true when the platform did.
    bool Save() const;

private:
    struct Line {
        std::string key;   // empty for a line without "="
        std::string text;  // the line as listed
        bool removed;
    };

    const char* m_section;  // the caller's, as the platform takes them
    const char* m_iniFile;
    std::vector<Line> m_lines;
    // Lines by key, in file order; removed lines are skipped by Find.
    std::unordered_map<std::string, std::vector<int>> m_byKey;
    bool m_bChanged = false;
};
