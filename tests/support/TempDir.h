// TempDir.h - a fresh folder under the system's temporary folder for one
// test, removed with everything in it when the object goes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, without a trailing backslash.
    const std::string& Path() const { return m_path; }
    // Path() + "\" + relative.
    std::string operator/(const std::string& relative) const { return m_path + "\\" + relative; }

    // Creates (or replaces) a file with the given bytes; folders on the way
    // are created. Returns the full path.
    std::string WriteFile(const std::string& relative, const std::string& content = std::string()) const;
    std::string MakeDir(const std::string& relative) const;
    // A file with the given bytes, or an empty folder, by its UTF-16 name in
    // the existing folder (a full path): for names the code page cannot
    // hold, also names no plain path can carry ("dot."). False when it could
    // not be made.
    static bool WriteWideFile(const std::string& folder, const std::wstring& name, const std::string& content = "");
    static bool MakeWideDir(const std::string& folder, const std::wstring& name);
    // A symbolic link to a folder, target written relative to the link's
    // folder ("." or ".."): through the platform, or under Wine (whose
    // CreateSymbolicLinkW makes nothing) by the host's ln. False when
    // neither made one. The link goes before the folder is removed.
    bool MakeFolderLink(const std::string& relative, const std::string& target);
    // The file's bytes; empty when it cannot be read.
    static std::string ReadFile(const std::string& path);
    static std::string ReadWideFile(const std::wstring& path);
    static bool Exists(const std::string& path);

private:
    std::string m_path;
    std::vector<std::string> m_links;
};
