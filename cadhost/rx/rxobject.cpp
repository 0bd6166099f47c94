#include "rxobject.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

AcRxClass* AcRxObject::gpDesc = nullptr;

AcRxClass* AcRxObject::desc()
{
    return gpDesc;
}

AcRxClass* AcRxObject::isA() const
{
    return gpDesc;
}

bool AcRxObject::isKindOf(const AcRxClass* aClass) const
{
    const AcRxClass* mine = isA();
    return mine != nullptr && aClass != nullptr && mine->isDerivedFrom(aClass);
}

void AcRxObject::rxInit()
{
    if (gpDesc == nullptr)
        gpDesc = newAcRxClass(ACRX_T("AcRxObject"), nullptr, 0, nullptr, nullptr, ACRX_T("cadhost"));
}

namespace {
std::wstring orEmpty(const ACHAR* text)
{
    return text != nullptr ? std::wstring(text) : std::wstring();
}

AcRxClass* gClassDesc = nullptr;
AcRxClass* gDictionaryDesc = nullptr;
} // namespace

AcRxClass::AcRxClass(const ACHAR* name, const ACHAR* parentName, int dwgVersion, int maintenanceVersion, int proxyFlags,
                     AcRxPseudoConstructor constructor, const ACHAR* dxfName, const ACHAR* appName)
    : m_name(orEmpty(name)), m_parentName(orEmpty(parentName)), m_dxfName(orEmpty(dxfName)),
      m_appName(orEmpty(appName)), m_dwgVersion(dwgVersion), m_maintenanceVersion(maintenanceVersion),
      m_proxyFlags(proxyFlags), m_constructor(constructor)
{
}

AcRxClass* AcRxClass::isA() const
{
    return gClassDesc;
}

AcRxClass* AcRxClass::desc()
{
    return gClassDesc;
}

AcRxClass* AcRxClass::myParent() const
{
    if (m_parent == nullptr && !m_parentName.empty())
        m_parent = static_cast<AcRxClass*>(acrxClassDictionary->at(m_parentName.c_str()));
    return m_parent;
}

bool AcRxClass::isDerivedFrom(const AcRxClass* other) const
{
    if (other == nullptr)
        return false;
    // Bounded walk: a damaged chain cannot loop forever.
    const AcRxClass* current = this;
    for (int depth = 0; current != nullptr && depth < 64; ++depth) {
        if (current == other)
            return true;
        current = current->myParent();
    }
    return false;
}

Acad::ErrorStatus AcRxClass::getClassVersion(int& dwgVersion, int& maintenanceVersion) const
{
    dwgVersion = m_dwgVersion;
    maintenanceVersion = m_maintenanceVersion;
    return Acad::eOk;
}

AcRxDictionary::~AcRxDictionary()
{
    if (m_ownsEntries) {
        for (auto& [key, object] : m_entries)
            delete object;
    }
}

AcRxClass* AcRxDictionary::isA() const
{
    return gDictionaryDesc;
}

AcRxClass* AcRxDictionary::desc()
{
    return gDictionaryDesc;
}

AcRxDictionary* AcRxDictionary::cast(const AcRxObject* inPtr)
{
    return dynamic_cast<AcRxDictionary*>(const_cast<AcRxObject*>(inPtr));
}

AcRxObject* AcRxDictionary::at(const ACHAR* key) const
{
    if (key == nullptr)
        return nullptr;
    auto found = m_entries.find(key);
    return found == m_entries.end() ? nullptr : found->second;
}

AcRxObject* AcRxDictionary::atPut(const ACHAR* key, AcRxObject* object)
{
    if (key == nullptr)
        return nullptr;
    AcRxObject*& slot = m_entries[key];
    AcRxObject* previous = slot;
    slot = object;
    return previous;
}

AcRxObject* AcRxDictionary::remove(const ACHAR* key)
{
    if (key == nullptr)
        return nullptr;
    auto found = m_entries.find(key);
    if (found == m_entries.end())
        return nullptr;
    AcRxObject* object = found->second;
    m_entries.erase(found);
    return object;
}

namespace {
// The registry lives for the whole process; classes are owned by the class dictionary.
struct SystemRegistry {
    AcRxDictionary registry;
    AcRxDictionary* classes = new AcRxDictionary();

    SystemRegistry()
    {
        classes->setOwnsEntries(true);
        registry.setOwnsEntries(true);
        registry.atPut(ACRX_CLASS_DICTIONARY, classes);
    }
};

SystemRegistry& systemRegistry()
{
    static SystemRegistry* instance = [] {
        auto* created = new SystemRegistry();
        // newAcRxClass would ask for the registry that is being made, so the first classes go in directly.
        auto add = [created](const ACHAR* name, const ACHAR* parentName) {
            auto* rxClass = new AcRxClass(name, parentName, 0, 0, 0, nullptr, nullptr, ACRX_T("cadhost"));
            created->classes->atPut(name, rxClass);
            return rxClass;
        };
        AcRxObject::gpDesc = add(ACRX_T("AcRxObject"), nullptr);
        gClassDesc = add(ACRX_T("AcRxClass"), ACRX_T("AcRxObject"));
        gDictionaryDesc = add(ACRX_T("AcRxDictionary"), ACRX_T("AcRxObject"));
        return created;
    }();
    return *instance;
}
} // namespace

AcRxDictionary* acrxSysRegistry()
{
    return &systemRegistry().registry;
}

AcRxDictionary* acrxClassDictionaryPtr()
{
    return systemRegistry().classes;
}

AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int proxyFlags,
                        AcRxPseudoConstructor pseudoConstructor, const ACHAR* dxfName, const ACHAR* appName)
{
    return newAcRxClass(className, parentClassName, 0, 0, proxyFlags, pseudoConstructor, dxfName, appName);
}

AcRxClass* newAcRxClass(const ACHAR* className, const ACHAR* parentClassName, int dwgVersion, int maintenanceVersion,
                        int proxyFlags, AcRxPseudoConstructor pseudoConstructor, const ACHAR* dxfName,
                        const ACHAR* appName, AppNameChangeFuncPtr)
{
    if (className == nullptr || *className == 0)
        return nullptr;
    AcRxDictionary* classes = systemRegistry().classes;
    if (classes->has(className))
        return nullptr;
    auto* created = new AcRxClass(className, parentClassName, dwgVersion, maintenanceVersion, proxyFlags,
                                  pseudoConstructor, dxfName, appName);
    classes->atPut(className, created);
    return created;
}

namespace {
std::vector<AcRxClassDeletionListener>& deletionListeners()
{
    static std::vector<AcRxClassDeletionListener> listeners;
    return listeners;
}
} // namespace

void acrxAddClassDeletionListener(AcRxClassDeletionListener listener)
{
    if (listener != nullptr)
        deletionListeners().push_back(listener);
}

void deleteAcRxClass(AcRxClass* rxClass)
{
    if (rxClass == nullptr)
        return;
    AcRxDictionary* classes = systemRegistry().classes;
    if (classes->at(rxClass->name()) != rxClass)
        return;
    for (AcRxClassDeletionListener listener : deletionListeners())
        listener(rxClass);
    classes->remove(rxClass->name());
    // Children that named this class as parent must not keep a dangling link.
    for (const auto& [name, object] : classes->entries()) {
        auto* child = static_cast<AcRxClass*>(object);
        child->setParent(nullptr);
    }
    delete rxClass;
}

void acrxBuildClassHierarchy()
{
    for (const auto& [name, object] : systemRegistry().classes->entries()) {
        auto* rxClass = static_cast<AcRxClass*>(object);
        rxClass->setParent(nullptr);
        rxClass->myParent();
    }
}

void acrx_abort(const ACHAR* format, ...)
{
    std::vector<wchar_t> buffer(1024);
    va_list args;
    va_start(args, format);
    std::vswprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    // A message longer than the buffer leaves it unterminated; it is cut instead.
    buffer.back() = L'\0';
    throw AcRxAbort{buffer.data()};
}
