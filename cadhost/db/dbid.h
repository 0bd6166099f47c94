// Object ids. An id names one object slot (a stub) of one database; the stub survives
// the object being closed, erased or turned into a proxy.
#pragma once

#include "acadstrc.h"
#include "acarray.h"
#include "dbhandle.h"

#include <functional>

class AcDbDatabase;
class AcDbStub;
class AcRxClass;

class CADHOST_EXPORT AcDbObjectId {
public:
    AcDbObjectId() = default;
    explicit AcDbObjectId(AcDbStub* stub) : m_stub(stub) {}
    static const AcDbObjectId kNull;

    bool isNull() const { return m_stub == nullptr; }
    void setNull() { m_stub = nullptr; }
    bool isValid() const;
    bool isErased() const;
    bool isEffectivelyErased() const { return isErased(); }
    bool objectLeftOnDisk() const { return false; }
    AcDbDatabase* database() const;
    AcDbDatabase* originalDatabase() const { return database(); }
    AcDbHandle handle() const;
    AcRxClass* objectClass() const;
    Adesk::IntPtr asOldId() const { return reinterpret_cast<Adesk::IntPtr>(m_stub); }
    AcDbObjectId& setFromOldId(Adesk::IntPtr oldId)
    {
        m_stub = reinterpret_cast<AcDbStub*>(oldId);
        return *this;
    }
    AcDbStub* stub() const { return m_stub; }

    bool operator==(const AcDbObjectId& other) const { return m_stub == other.m_stub; }
    bool operator!=(const AcDbObjectId& other) const { return m_stub != other.m_stub; }
    bool operator<(const AcDbObjectId& other) const { return std::less<const AcDbStub*>()(m_stub, other.m_stub); }

private:
    AcDbStub* m_stub = nullptr;
};

// Reference kinds are distinct types in the host, so that filers can tell them apart.
class AcDbHardOwnershipId : public AcDbObjectId {
public:
    AcDbHardOwnershipId() = default;
    AcDbHardOwnershipId(const AcDbObjectId& id) : AcDbObjectId(id) {} // NOLINT(google-explicit-constructor)
};
class AcDbSoftOwnershipId : public AcDbObjectId {
public:
    AcDbSoftOwnershipId() = default;
    AcDbSoftOwnershipId(const AcDbObjectId& id) : AcDbObjectId(id) {} // NOLINT(google-explicit-constructor)
};
class AcDbHardPointerId : public AcDbObjectId {
public:
    AcDbHardPointerId() = default;
    AcDbHardPointerId(const AcDbObjectId& id) : AcDbObjectId(id) {} // NOLINT(google-explicit-constructor)
};
class AcDbSoftPointerId : public AcDbObjectId {
public:
    AcDbSoftPointerId() = default;
    AcDbSoftPointerId(const AcDbObjectId& id) : AcDbObjectId(id) {} // NOLINT(google-explicit-constructor)
};

using AcDbObjectIdArray = AcArray<AcDbObjectId>;
using AcDbIntArray = AcArray<int>;
using AcDbVoidPtrArray = AcArray<void*>;
