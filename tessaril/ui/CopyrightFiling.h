// The two directions in which the copyright records are filed through a DWG filer. A record describes
// its filed form once, as a template over the direction, and both dwgOutFields and dwgInFields walk that
// description. The first failing filer call stops the walk and its status is the result.
#pragma once

#include "acstring.h"
#include "afxcoll.h"
#include "dbfiler.h"

namespace copyright_filing {

class Writer {
public:
    explicit Writer(AcDbDwgFiler* filer) : m_filer(filer) {}

    Acad::ErrorStatus status() const { return m_status; }

    // The stored version: written as it is.
    Writer& version(const Adesk::Int32& value, Adesk::Int32) { return number(value); }
    Writer& number(const Adesk::Int32& value)
    {
        return step([&] { return m_filer->writeUInt32(static_cast<Adesk::UInt32>(value)); });
    }
    Writer& text(const CString& value)
    {
        return step([&] { return m_filer->writeString(value.GetString()); });
    }
    Writer& flag(const bool& value)
    {
        return step([&] { return m_filer->writeBool(value); });
    }
    // A counted list: the count, then each line.
    Writer& lines(const CStringArray& values)
    {
        number(static_cast<Adesk::Int32>(values.GetSize()));
        for (const CString& value : values)
            text(value);
        return *this;
    }
    template <class Record> Writer& record(const Record& value)
    {
        return step([&] { return value.dwgOutFields(m_filer); });
    }

private:
    template <class Call> Writer& step(Call call)
    {
        if (m_status == Acad::eOk)
            m_status = call();
        return *this;
    }

    AcDbDwgFiler* m_filer;
    Acad::ErrorStatus m_status = Acad::eOk;
};

class Reader {
public:
    explicit Reader(AcDbDwgFiler* filer) : m_filer(filer) {}

    Acad::ErrorStatus status() const { return m_status; }

    // The stored version: a version above newest stops the reading with eMakeMeProxy, so that the host
    // keeps the object as a proxy.
    Reader& version(Adesk::Int32& value, Adesk::Int32 newest)
    {
        Adesk::Int32 stored = 0;
        number(stored);
        if (m_status == Acad::eOk && (stored < 0 || stored > newest))
            m_status = Acad::eMakeMeProxy;
        if (m_status == Acad::eOk)
            value = stored;
        return *this;
    }
    Reader& number(Adesk::Int32& value)
    {
        return step([&] {
            Adesk::UInt32 stored = 0;
            const Acad::ErrorStatus es = m_filer->readUInt32(&stored);
            if (es == Acad::eOk)
                value = static_cast<Adesk::Int32>(stored);
            return es;
        });
    }
    Reader& text(CString& value)
    {
        return step([&] {
            AcString stored;
            const Acad::ErrorStatus es = m_filer->readString(stored);
            if (es == Acad::eOk)
                value = stored.kwszPtr();
            return es;
        });
    }
    Reader& flag(bool& value)
    {
        return step([&] { return m_filer->readBool(&value); });
    }
    // The list is emptied first; a count larger than the stream holds ends in the filer's failure.
    Reader& lines(CStringArray& values)
    {
        Adesk::Int32 count = 0;
        number(count);
        if (m_status != Acad::eOk)
            return *this;
        values.RemoveAll();
        for (Adesk::UInt32 i = 0; i < static_cast<Adesk::UInt32>(count) && m_status == Acad::eOk; ++i) {
            CString value;
            text(value);
            if (m_status == Acad::eOk)
                values.Add(value);
        }
        return *this;
    }
    template <class Record> Reader& record(Record& value)
    {
        return step([&] { return value.dwgInFields(m_filer); });
    }

private:
    template <class Call> Reader& step(Call call)
    {
        if (m_status == Acad::eOk)
            m_status = call();
        return *this;
    }

    AcDbDwgFiler* m_filer;
    Acad::ErrorStatus m_status = Acad::eOk;
};

} // namespace copyright_filing
