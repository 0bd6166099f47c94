// Run-time classes: AcRxObject, AcRxClass and the class dictionary of the system registry.
#pragma once

#include "acadstrc.h"
#include "adesk.h"

#include <map>
#include <string>

class AcRxClass;

// Declares desc(), cast() and isA() for a run-time class, as the host's macro does.
#define ACRX_DECLARE_MEMBERS(CLASS_NAME)                                                                               \
    AcRxClass* isA() const override;                                                                                   \
    static AcRxClass* gpDesc;                                                                                          \
    static AcRxClass* desc();                                                                                          \
    static CLASS_NAME* cast(const AcRxObject* inPtr)                                                                   \
    {                                                                                                                  \
        return (inPtr == nullptr || !inPtr->isKindOf(CLASS_NAME::desc()))                                              \
                   ? nullptr                                                                                           \
                   : const_cast<CLASS_NAME*>(static_cast<const CLASS_NAME*>(inPtr));                                   \
    }                                                                                                                  \
    static void rxInit()

class CADHOST_EXPORT AcRxObject {
public:
    virtual ~AcRxObject() = default;
    static AcRxClass* desc();
    static AcRxObject* cast(const AcRxObject* inPtr) { return const_cast<AcRxObject*>(inPtr); }
    virtual AcRxClass* isA() const;
    bool isKindOf(const AcRxClass* aClass) const;
    static AcRxClass* gpDesc;
    static void rxInit();
};

using AcRxPseudoConstructor = AcRxObject* (*)();
using AppNameChangeFuncPtr = void (*)(const AcRxClass*, ACHAR*&, int);

// One entry of the class dictionary. Parents are linked by name, so a parent may be
// registered after its child; acrxBuildClassHierarchy resolves the names again.
class CADHOST_EXPORT AcRxClass : public AcRxObject {
public:
    AcRxClass(const ACHAR* name, const ACHAR* parentName, int dwgVersion, int maintenanceVersion, int proxyFlags,
              AcRxPseudoConstructor constructor, const ACHAR* dxfName, const ACHAR* appName);
    AcRxClass* isA() const override;
    static AcRxClass* desc();

    const ACHAR* name() const { return m_name.c_str(); }
    const ACHAR* dxfName() const { return m_dxfName.c_str(); }
    const ACHAR* appName() const { return m_appName.c_str(); }
    const ACHAR* parentName() const { return m_parentName.c_str(); }
    AcRxClass* myParent() const;
    bool isDerivedFrom(const AcRxClass* other) const;
    AcRxObject* create() const { return m_constructor != nullptr ? m_constructor() : nullptr; }
    int proxyFlags() const { return m_proxyFlags; }
    Acad::ErrorStatus getClassVersion(int& dwgVersion, int& maintenanceVersion) const;
    void setParent(AcRxClass* parent) { m_parent = parent; }

private:
    std::wstring m_name;
    std::wstring m_parentName;
    std::wstring m_dxfName;
    std::wstring m_appName;
    int m_dwgVersion;
    int m_maintenanceVersion;
    int m_proxyFlags;
    AcRxPseudoConstructor m_constructor;
    mutable AcRxClass* m_parent = nullptr;
};

// A dictionary of run-time objects by name; the system registry and the class dictionary are two.
class CADHOST_EXPORT AcRxDictionary : public AcRxObject {
public:
    ~AcRxDictionary() override;
    AcRxClass* isA() const override;
    static AcRxClass* desc();
    static AcRxDictionary* cast(const AcRxObject* inPtr);

    AcRxObject* at(const ACHAR* key) const;
    // Stores the object under the key and returns the object it replaced (the caller owns that one).
    AcRxObject* atPut(const ACHAR* key, AcRxObject* object);
    AcRxObject* remove(const ACHAR* key);
    bool has(const ACHAR* key) const { return at(key) != nullptr; }
    Adesk::UInt32 numEntries() const { return static_cast<Adesk::UInt32>(m_entries.size()); }
    // Entries in key order, for iteration by callers that need them all.
    const std::map<std::wstring, AcRxObject*>& entries() const { return m_entries; }
    // Deletes the entries when the dictionary is destroyed.
    void setOwnsEntries(bool owns) { m_ownsEntries = owns; }

private:
    std::map<std::wstring, AcRxObject*> m_entries;
    bool m_ownsEntries = false;
};

#define ACRX_CLASS_DICTIONARY ACRX_T("ClassDictionary")

CADHOST_EXPORT AcRxDictionary* acrxSysRegistry();
CADHOST_EXPORT AcRxDictionary* acrxClassDictionaryPtr();
#define acrxClassDictionary acrxClassDictionaryPtr()

CADHOST_EXPORT AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int proxyFlags = 0,
                                       AcRxPseudoConstructor pseudoConstructor = nullptr,
                                       const ACHAR* dxfName = nullptr, const ACHAR* appName = nullptr);
CADHOST_EXPORT AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int dwgVersion,
                                       int maintenanceVersion, int proxyFlags, AcRxPseudoConstructor pseudoConstructor,
                                       const ACHAR* dxfName, const ACHAR* appName,
                                       AppNameChangeFuncPtr changeFunction = nullptr);
CADHOST_EXPORT void deleteAcRxClass(AcRxClass* rxClass);
// Called by deleteAcRxClass before a class leaves the class dictionary, so that whoever holds
// objects of the class lets go of its code first (databases turn such objects into proxies).
using AcRxClassDeletionListener = void (*)(AcRxClass* rxClass);
CADHOST_EXPORT void acrxAddClassDeletionListener(AcRxClassDeletionListener listener);
CADHOST_EXPORT void acrxBuildClassHierarchy();

// Stops the host with a fatal message. cadhost throws AcRxAbort so that tests can observe it.
struct AcRxAbort {
    std::wstring message;
};
[[noreturn]] CADHOST_EXPORT void acrx_abort(const ACHAR* format, ...);

// Defines the members that ACRX_DECLARE_MEMBERS declares for a class of the host itself.
// Host classes register in a fixed order at library load (see rxinit.cpp of each layer).
#define ACRX_HOST_DEFINE_MEMBERS(CLASS_NAME, PARENT_NAME, DXF_NAME, CONSTRUCTOR)                                       \
    AcRxClass* CLASS_NAME::gpDesc = nullptr;                                                                           \
    AcRxClass* CLASS_NAME::desc()                                                                                      \
    {                                                                                                                  \
        return gpDesc;                                                                                                 \
    }                                                                                                                  \
    AcRxClass* CLASS_NAME::isA() const                                                                                 \
    {                                                                                                                  \
        return gpDesc;                                                                                                 \
    }                                                                                                                  \
    void CLASS_NAME::rxInit()                                                                                          \
    {                                                                                                                  \
        if (gpDesc == nullptr)                                                                                         \
            gpDesc =                                                                                                   \
                newAcRxClass(ACRX_T(#CLASS_NAME), ACRX_T(#PARENT_NAME), 0, CONSTRUCTOR, DXF_NAME, ACRX_T("cadhost"));  \
    }

// Pseudo-constructors for concrete and abstract host classes.
template <class T> AcRxObject* acrxMakeObject()
{
    return new T();
}
#define ACRX_CONCRETE(CLASS_NAME) (&acrxMakeObject<CLASS_NAME>)
#define ACRX_ABSTRACT nullptr
