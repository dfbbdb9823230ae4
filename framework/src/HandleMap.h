// HandleMap.h - maps from platform handles to the framework's objects.
//
// Permanent entries belong to objects that attached a handle; temporary
// entries are wrappers made on demand by FromHandle for handles nobody
// attached. Temporary wrappers live until DeleteTemp (at idle time).
//
// Every wrapper class (CWnd, CGdiObject, CDC, CImageList, CMenu) keeps one
// map and leaves the rules to it: how an object takes a handle (Attach,
// AttachNew), lets it go (Detach), and when a temporary wrapper gives way.
// Who deletes the handle is the class's business, not the map's.
#pragma once

#include "AfxDefs.h"

#include <unordered_map>

template <class Handle, class Object>
class CHandleMap {
public:
    // How to read and set the handle an object holds.
    typedef Handle (*GetHandleFn)(const Object*);
    typedef void (*SetHandleFn)(Object*, Handle);

    CHandleMap(GetHandleFn getHandle, SetHandleFn setHandle) : m_getHandle(getHandle), m_setHandle(setHandle) {}

    Object* LookupPermanent(Handle h) const {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }
    Object* LookupTemporary(Handle h) const {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? nullptr : it->second;
    }

    // The permanent object, or a temporary wrapper made with makeObject. A
    // temporary wrapper that no longer holds h (the handle was destroyed
    // through it, and its value came back) or that fits(wrapper) rejects is
    // replaced.
    template <class New, class Fits>
    Object* FromHandle(Handle h, New makeObject, Fits fits) {
        if (!h) return nullptr;
        if (Object* p = LookupPermanent(h)) return p;
        if (Object* p = LookupTemporary(h)) {
            if (m_getHandle(p) == h && fits(p)) return p;
            DropTemporary(h, nullptr);
        }
        Object* p = makeObject();
        m_setHandle(p, h);
        m_temporary[h] = p;
        return p;
    }
    template <class New>
    Object* FromHandle(Handle h, New makeObject) {
        return FromHandle(h, makeObject, [](const Object*) { return true; });
    }

    // p takes h as its own; a temporary wrapper of h gives way. Fails for a
    // null handle (a creation that failed), and for an object that already
    // holds a handle: that is a mistake of the caller, who would lose one.
    BOOL Attach(Object* p, Handle h) {
        if (!h) return FALSE;
        if (m_getHandle(p)) {
            ASSERT(!"the object already holds a handle");
            return FALSE;
        }
        DropTemporary(h, p);
        m_setHandle(p, h);
        m_permanent[h] = p;
        return TRUE;
    }
    // Attaches what create() makes, but only to an object that holds no
    // handle yet: otherwise nothing is made (it would leak).
    template <class Create>
    BOOL AttachNew(Object* p, Create create) {
        if (m_getHandle(p)) {
            ASSERT(!"Create on an object that already holds a handle");
            return FALSE;
        }
        return Attach(p, create());
    }
    // p lets go of its handle and returns it. A temporary wrapper stays in
    // the map (empty) until DeleteTemp or the next FromHandle of the handle.
    Handle Detach(Object* p) {
        Handle h = m_getHandle(p);
        if (h && LookupPermanent(h) == p) m_permanent.erase(h);
        m_setHandle(p, nullptr);
        return h;
    }

    // Deletes the temporary wrappers without touching their handles. (A
    // wrapper that was made to attach a handle of its own is no longer
    // temporary and stays.)
    void DeleteTemp() {
        std::unordered_map<Handle, Object*> temporary;
        temporary.swap(m_temporary);
        for (auto& entry : temporary) {
            Object* temp = entry.second;
            if (IsPermanent(temp)) continue;
            m_setHandle(temp, nullptr);
            delete temp;
        }
    }

private:
    bool IsPermanent(const Object* p) const {
        Handle h = m_getHandle(p);
        return h && LookupPermanent(h) == p;
    }
    // Deletes the temporary wrapper of h, if there is one, leaving h alone;
    // keep (the object taking h over) is only taken out of the map.
    void DropTemporary(Handle h, Object* keep) {
        auto it = m_temporary.find(h);
        if (it == m_temporary.end()) return;
        Object* temp = it->second;
        m_temporary.erase(it);
        if (temp == keep || IsPermanent(temp)) return;
        m_setHandle(temp, nullptr);
        delete temp;
    }

    GetHandleFn m_getHandle;
    SetHandleFn m_setHandle;
    std::unordered_map<Handle, Object*> m_permanent;
    std::unordered_map<Handle, Object*> m_temporary;
};
