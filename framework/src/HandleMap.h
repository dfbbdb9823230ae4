// HandleMap.h - maps from platform handles to the framework's objects.
//
// Permanent entries belong to objects that attached a handle; temporary
// entries are wrappers made on demand by FromHandle for handles nobody
// attached. Temporary wrappers live until DeleteTemp (at idle time).
#pragma once

#include <unordered_map>

template <class Handle, class Object>
class CHandleMap {
public:
    // How to give a fresh temporary object its handle and take it back.
    typedef void (*SetHandleFn)(Object*, Handle);

    explicit CHandleMap(SetHandleFn setHandle) : m_setHandle(setHandle) {}

    Object* LookupPermanent(Handle h) const {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }
    Object* LookupTemporary(Handle h) const {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? nullptr : it->second;
    }
    // The permanent object, or a temporary wrapper made with New.
    template <class New>
    Object* FromHandle(Handle h, New makeObject) {
        if (!h) return nullptr;
        if (Object* p = LookupPermanent(h)) return p;
        if (Object* p = LookupTemporary(h)) return p;
        Object* p = makeObject();
        m_setHandle(p, h);
        m_temporary[h] = p;
        return p;
    }
    void SetPermanent(Handle h, Object* p) { m_permanent[h] = p; }
    void RemoveHandle(Handle h) {
        m_permanent.erase(h);
        m_temporary.erase(h);
    }
    // Deletes the temporary wrappers without touching their handles.
    void DeleteTemp() {
        std::unordered_map<Handle, Object*> temporary;
        temporary.swap(m_temporary);
        for (auto& entry : temporary) {
            m_setHandle(entry.second, nullptr);
            delete entry.second;
        }
    }

private:
    SetHandleFn m_setHandle;
    std::unordered_map<Handle, Object*> m_permanent;
    std::unordered_map<Handle, Object*> m_temporary;
};
