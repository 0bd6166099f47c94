// One description of an object's stored fields, walked in both directions: the same sequence of
// calls writes the fields to a filer or reads them back. The first failing filer call sets the
// status; later calls do nothing.
#pragma once

#include "dbcolor.h"
#include "dbfiler.h"
#include "gepnt3d.h"

#include <string>

namespace cadhost {
class CADHOST_EXPORT FieldIo {
public:
    enum Direction { kOut, kIn };
    FieldIo(AcDbDwgFiler* filer, Direction direction) : m_filer(filer), m_direction(direction) {}

    bool writing() const { return m_direction == kOut; }
    bool ok() const { return m_status == Acad::eOk; }
    Acad::ErrorStatus status() const { return m_status; }
    AcDbDwgFiler* filer() const { return m_filer; }
    void fail(Acad::ErrorStatus status)
    {
        if (m_status == Acad::eOk)
            m_status = status;
    }

    FieldIo& operator()(bool& value);
    FieldIo& operator()(Adesk::UInt8& value);
    FieldIo& operator()(Adesk::Int16& value);
    FieldIo& operator()(Adesk::Int32& value);
    FieldIo& operator()(Adesk::UInt32& value);
    FieldIo& operator()(Adesk::UInt64& value);
    FieldIo& operator()(double& value);
    FieldIo& operator()(std::wstring& value);
    FieldIo& operator()(AcGePoint3d& value);
    FieldIo& operator()(AcCmColor& value);
    FieldIo& operator()(AcCmTransparency& value);
    FieldIo& hardPointer(AcDbObjectId& id);
    FieldIo& softPointer(AcDbObjectId& id);
    FieldIo& hardOwnership(AcDbObjectId& id);
    FieldIo& softOwnership(AcDbObjectId& id);
    // A 32-bit enumeration value.
    template <class E> FieldIo& enumeration(E& value)
    {
        auto stored = static_cast<Adesk::Int32>(value);
        (*this)(stored);
        if (!writing() && ok())
            value = static_cast<E>(stored);
        return *this;
    }
    // A count of items that follow; on reading it is refused when the items cannot fit in the
    // bytes that remain (each item takes at least minItemBytes).
    FieldIo& count(Adesk::UInt32& value, Adesk::UInt32 minItemBytes);

private:
    template <class T, class Write, class Read> FieldIo& apply(T& value, Write write, Read read);

    AcDbDwgFiler* m_filer;
    Direction m_direction;
    Acad::ErrorStatus m_status = Acad::eOk;
};
} // namespace cadhost
