// ImportPatch.cpp - import table entries patched for tests.
#include "ImportPatch.h"

#include <cstring>

namespace {

// The import table slot through which module calls function, or null.
void** FindImportSlot(HMODULE module, const char* function) {
    BYTE* base = reinterpret_cast<BYTE*>(module);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress) return nullptr;
    for (auto* imp = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
        auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    return nullptr;
}

void Store(void** slot, void* value) {
    DWORD protect = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protect);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, protect, &protect);
}

}  // namespace

ImportPatch::ImportPatch(const char* module, const char* function, void* replacement) {
    HMODULE handle = GetModuleHandleA(module);
    m_slot = handle ? FindImportSlot(handle, function) : nullptr;
    if (!m_slot) return;
    m_original = *m_slot;
    Store(m_slot, replacement);
}

ImportPatch::~ImportPatch() {
    if (m_slot) Store(m_slot, m_original);
}
