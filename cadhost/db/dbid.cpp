#include "dbid.h"

#include "dbimpobject.h"
#include "dbmain.h"
#include "dbstub.h"

const AcDbObjectId AcDbObjectId::kNull;

bool AcDbObjectId::isValid() const
{
    return m_stub != nullptr && m_stub->object() != nullptr;
}

bool AcDbObjectId::isErased() const
{
    return m_stub != nullptr && m_stub->object() != nullptr && m_stub->object()->imp()->erased;
}

AcDbDatabase* AcDbObjectId::database() const
{
    return m_stub != nullptr ? m_stub->database() : nullptr;
}

AcDbHandle AcDbObjectId::handle() const
{
    return m_stub != nullptr ? m_stub->handle() : AcDbHandle();
}

AcRxClass* AcDbObjectId::objectClass() const
{
    return m_stub != nullptr && m_stub->object() != nullptr ? m_stub->object()->isA() : nullptr;
}
