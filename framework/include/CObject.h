// CObject.h - the root class with run-time class information.
//
// Classes:
//   CRuntimeClass  describes a class: name, size, schema, base, factory
//   CObject        root of the serialisable and dynamic classes
//   AFX_CLASSINIT  registers a CRuntimeClass for lookup by name while its
//                  module is loaded
//
// Macros: DECLARE_DYNAMIC / IMPLEMENT_DYNAMIC, DECLARE_DYNCREATE /
// IMPLEMENT_DYNCREATE, DECLARE_SERIAL / IMPLEMENT_SERIAL, RUNTIME_CLASS,
// VERSIONABLE_SCHEMA.
#pragma once

#include "AfxDefs.h"

class CObject;
class CArchive;

// Marks a schema as "accept any stored schema"; the object then asks the
// archive for the schema it was stored with (CArchive::GetObjectSchema).
#define VERSIONABLE_SCHEMA (0x80000000)

// Describes one class. Every CObject-derived class with DECLARE_DYNAMIC has
// exactly one, reached through RUNTIME_CLASS(name).
struct AFX_API CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                         // 0xFFFF: not serialisable
    CObject*(PASCAL* m_pfnCreateObject)();  // null: not dynamically creatable
    CRuntimeClass*(PASCAL* m_pfnGetBaseClass)();
    CRuntimeClass* m_pNextClass;  // registry chain, see AFX_CLASSINIT

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    CRuntimeClass* GetBaseClass() const { return m_pfnGetBaseClass ? m_pfnGetBaseClass() : nullptr; }

    // Writes the class record of an archive: schema word, name length word,
    // name bytes.
    void Store(CArchive& ar) const;
    // Reads a class record and finds the registered class of that name.
    // Returns null when the record is malformed or the class is unknown;
    // *pwSchemaNum receives the stored schema.
    static CRuntimeClass* PASCAL Load(CArchive& ar, UINT* pwSchemaNum);
    // Finds a registered class by name (exact, case-sensitive); null if none.
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
};

// Adds a class to the registry for the lifetime of its module, so that
// archives can find it by name. Removing it again on unload matters: the
// CRuntimeClass lives in the module's own memory.
struct AFX_API AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
    ~AFX_CLASSINIT();
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;

private:
    CRuntimeClass* m_pClass;
};

// Root class: run-time type checks and serialisation.
class AFX_API CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;

    // Storing or loading the object's own data; nothing by default.
    virtual void Serialize(CArchive& ar);
    // Diagnostics slots, kept for derived classes that override them.
    virtual void AssertValid() const {}
    virtual void Dump(void* dc) const { (void)dc; }

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

    static CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL _GetBaseClass() { return nullptr; }

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                                    \
protected:                                                                                                             \
    static CRuntimeClass* PASCAL _GetBaseClass();                                                                      \
                                                                                                                       \
public:                                                                                                                \
    static CRuntimeClass class##class_name;                                                                            \
    virtual CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                                  \
    DECLARE_DYNAMIC(class_name)                                                                                        \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name)                                                                                     \
    DECLARE_DYNCREATE(class_name)                                                                                      \
    friend CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb);

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                                       \
    CRuntimeClass* PASCAL class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); }                       \
    CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), wSchema,         \
                                                   pfnNew,      &class_name::_GetBaseClass,           nullptr};        \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));                                          \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                                 \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                               \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }                                              \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                                         \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }                                              \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)                         \
    CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb) {                                                      \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));                                      \
        return ar;                                                                                                     \
    }
