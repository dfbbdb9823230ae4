// TempDir.h - a fresh folder under the system's temporary folder for one
// test, removed with everything in it when the object goes.
#pragma once

#include <windows.h>

#include <string>

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
    // The file's bytes; empty when it cannot be read.
    static std::string ReadFile(const std::string& path);
    static bool Exists(const std::string& path);

private:
    std::string m_path;
};
