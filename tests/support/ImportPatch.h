// ImportPatch.h - replaces, for as long as the object lives, the function
// that one module imports under a name (its import table entry), so that
// a test can count or alter the platform calls a library makes.
#pragma once

#include <windows.h>

class ImportPatch {
public:
    // Points module's import of function (from any DLL) at replacement.
    // IsActive() tells whether the import was found.
    ImportPatch(const char* module, const char* function, void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    bool IsActive() const { return m_slot != nullptr; }
    // The function the import pointed at before.
    void* Original() const { return m_original; }

private:
    void** m_slot = nullptr;
    void* m_original = nullptr;
};
