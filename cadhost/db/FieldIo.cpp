#include "FieldIo.h"

namespace cadhost {
template <class T, class Write, class Read> FieldIo& FieldIo::apply(T& value, Write write, Read read)
{
    if (!ok())
        return *this;
    fail(writing() ? write(value) : read(value));
    return *this;
}

FieldIo& FieldIo::operator()(bool& value)
{
    return apply(
        value, [this](bool v) { return m_filer->writeBool(v); }, [this](bool& v) { return m_filer->readBool(&v); });
}

FieldIo& FieldIo::operator()(Adesk::UInt8& value)
{
    return apply(
        value, [this](Adesk::UInt8 v) { return m_filer->writeUInt8(v); },
        [this](Adesk::UInt8& v) { return m_filer->readUInt8(&v); });
}

FieldIo& FieldIo::operator()(Adesk::Int16& value)
{
    return apply(
        value, [this](Adesk::Int16 v) { return m_filer->writeInt16(v); },
        [this](Adesk::Int16& v) { return m_filer->readInt16(&v); });
}

FieldIo& FieldIo::operator()(Adesk::Int32& value)
{
    return apply(
        value, [this](Adesk::Int32 v) { return m_filer->writeInt32(v); },
        [this](Adesk::Int32& v) { return m_filer->readInt32(&v); });
}

FieldIo& FieldIo::operator()(Adesk::UInt32& value)
{
    return apply(
        value, [this](Adesk::UInt32 v) { return m_filer->writeUInt32(v); },
        [this](Adesk::UInt32& v) { return m_filer->readUInt32(&v); });
}

FieldIo& FieldIo::operator()(Adesk::UInt64& value)
{
    return apply(
        value, [this](Adesk::UInt64 v) { return m_filer->writeUInt64(v); },
        [this](Adesk::UInt64& v) { return m_filer->readUInt64(&v); });
}

FieldIo& FieldIo::operator()(double& value)
{
    return apply(
        value, [this](double v) { return m_filer->writeDouble(v); },
        [this](double& v) { return m_filer->readDouble(&v); });
}

FieldIo& FieldIo::operator()(std::wstring& value)
{
    return apply(
        value, [this](const std::wstring& v) { return m_filer->writeString(v.c_str()); },
        [this](std::wstring& v) {
            AcString text;
            Acad::ErrorStatus status = m_filer->readString(text);
            if (status == Acad::eOk)
                v = text.str();
            return status;
        });
}

FieldIo& FieldIo::operator()(AcGePoint3d& value)
{
    return apply(
        value, [this](const AcGePoint3d& v) { return m_filer->writePoint3d(v); },
        [this](AcGePoint3d& v) { return m_filer->readPoint3d(&v); });
}

FieldIo& FieldIo::operator()(AcCmColor& value)
{
    return apply(
        value, [this](const AcCmColor& v) { return v.dwgOut(m_filer); },
        [this](AcCmColor& v) { return v.dwgIn(m_filer); });
}

FieldIo& FieldIo::operator()(AcCmTransparency& value)
{
    Adesk::UInt32 stored = value.serializeOut();
    (*this)(stored);
    if (!writing() && ok())
        value.serializeIn(stored);
    return *this;
}

FieldIo& FieldIo::hardPointer(AcDbObjectId& id)
{
    return apply(
        id, [this](const AcDbObjectId& v) { return m_filer->writeHardPointerId(v); },
        [this](AcDbObjectId& v) {
            AcDbHardPointerId read;
            Acad::ErrorStatus status = m_filer->readHardPointerId(&read);
            v = read;
            return status;
        });
}

FieldIo& FieldIo::softPointer(AcDbObjectId& id)
{
    return apply(
        id, [this](const AcDbObjectId& v) { return m_filer->writeSoftPointerId(v); },
        [this](AcDbObjectId& v) {
            AcDbSoftPointerId read;
            Acad::ErrorStatus status = m_filer->readSoftPointerId(&read);
            v = read;
            return status;
        });
}

FieldIo& FieldIo::hardOwnership(AcDbObjectId& id)
{
    return apply(
        id, [this](const AcDbObjectId& v) { return m_filer->writeHardOwnershipId(v); },
        [this](AcDbObjectId& v) {
            AcDbHardOwnershipId read;
            Acad::ErrorStatus status = m_filer->readHardOwnershipId(&read);
            v = read;
            return status;
        });
}

FieldIo& FieldIo::softOwnership(AcDbObjectId& id)
{
    return apply(
        id, [this](const AcDbObjectId& v) { return m_filer->writeSoftOwnershipId(v); },
        [this](AcDbObjectId& v) {
            AcDbSoftOwnershipId read;
            Acad::ErrorStatus status = m_filer->readSoftOwnershipId(&read);
            v = read;
            return status;
        });
}

FieldIo& FieldIo::count(Adesk::UInt32& value, Adesk::UInt32 minItemBytes)
{
    (*this)(value);
    if (writing() || !ok())
        return *this;
    // Filers that can seek tell the bytes that remain; a count that cannot fit is refused before
    // anything is allocated for it.
    Adesk::Int64 here = m_filer->tell();
    if (here >= 0 && m_filer->seek(0, 2) == Acad::eOk) {
        Adesk::Int64 end = m_filer->tell();
        m_filer->seek(here, 0);
        if (minItemBytes > 0 && static_cast<Adesk::Int64>(value) * minItemBytes > end - here)
            fail(Acad::eDwgObjectImproperlyRead);
    }
    return *this;
}
} // namespace cadhost
