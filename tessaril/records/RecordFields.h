// One description of a record's own stream: a list of fields, each with its codec, the record member
// that keeps it, the entity getter that fills it and the entity setter that applies it, in stream
// order. record, apply, write and read all walk the same list.
#pragma once

#include "RecordCodecs.h"

#include <functional>
#include <span>
#include <type_traits>

namespace records {

template <class Entity, class Record> struct FieldSpec {
    void (*get)(Record& record, const Entity& entity);
    void (*set)(const Record& record, Entity& entity);
    Acad::ErrorStatus (*transfer)(Record& record, AcDbDwgFiler* filer, Direction direction);
};

template <class Entity, class Record> struct Fields {
    // Getter: a const member function or a function of the entity; Setter: a member function or a
    // function of the entity and the value. Setter statuses are not part of a record's result.
    template <class Codec, auto Member, auto Getter, auto Setter> static constexpr FieldSpec<Entity, Record> field()
    {
        return {
            [](Record& record, const Entity& entity) {
                record.*Member = static_cast<typename Codec::Value>(std::invoke(Getter, entity));
            },
            [](const Record& record, Entity& entity) { std::invoke(Setter, entity, record.*Member); },
            [](Record& record, AcDbDwgFiler* filer, Direction direction) {
                return records::transfer<Codec>(filer, direction, record.*Member);
            },
        };
    }

    // A field whose setter needs other values of the record: Apply takes the record and the entity.
    template <class Codec, auto Member, auto Getter, auto Apply> static constexpr FieldSpec<Entity, Record> fieldSetBy()
    {
        return {
            [](Record& record, const Entity& entity) {
                record.*Member = static_cast<typename Codec::Value>(std::invoke(Getter, entity));
            },
            Apply,
            [](Record& record, AcDbDwgFiler* filer, Direction direction) {
                return records::transfer<Codec>(filer, direction, record.*Member);
            },
        };
    }

    // A field that is recorded and travels in the stream but is never set on an entity.
    template <class Codec, auto Member, auto Getter> static constexpr FieldSpec<Entity, Record> carried()
    {
        return {
            [](Record& record, const Entity& entity) {
                record.*Member = static_cast<typename Codec::Value>(std::invoke(Getter, entity));
            },
            nullptr,
            [](Record& record, AcDbDwgFiler* filer, Direction direction) {
                return records::transfer<Codec>(filer, direction, record.*Member);
            },
        };
    }

    // A field that travels in the stream but is taken and set together with others by the record.
    template <class Codec, auto Member> static constexpr FieldSpec<Entity, Record> stored()
    {
        return {
            nullptr,
            nullptr,
            [](Record& record, AcDbDwgFiler* filer, Direction direction) {
                return records::transfer<Codec>(filer, direction, record.*Member);
            },
        };
    }
};

// When a read sets what it reads.
enum class ReadApply { AfterStream, EachValue, Never };

template <class Entity, class Record>
void recordFields(std::span<const FieldSpec<Entity, Record>> fields, Record& record, const Entity& entity)
{
    for (const auto& field : fields) {
        if (field.get != nullptr)
            field.get(record, entity);
    }
}

template <class Entity, class Record>
void applyFields(std::span<const FieldSpec<Entity, Record>> fields, const Record& record, Entity& entity)
{
    for (const auto& field : fields) {
        if (field.set != nullptr)
            field.set(record, entity);
    }
}

template <class Entity, class Record>
Acad::ErrorStatus writeFields(std::span<const FieldSpec<Entity, Record>> fields, Record& record, const Entity& entity,
                              AcDbDwgFiler* filer)
{
    for (const auto& field : fields) {
        if (field.get != nullptr)
            field.get(record, entity);
        if (const Acad::ErrorStatus es = field.transfer(record, filer, Direction::Write); es != Acad::eOk)
            return es;
    }
    return Acad::eOk;
}

template <class Entity, class Record>
Acad::ErrorStatus readFields(std::span<const FieldSpec<Entity, Record>> fields, Record& record, Entity& entity,
                             AcDbDwgFiler* filer, ReadApply when)
{
    for (const auto& field : fields) {
        if (const Acad::ErrorStatus es = field.transfer(record, filer, Direction::Read); es != Acad::eOk)
            return es;
        if (when == ReadApply::EachValue && field.set != nullptr)
            field.set(record, entity);
    }
    if (when == ReadApply::AfterStream)
        applyFields(fields, record, entity);
    return Acad::eOk;
}

// Reads a record level's UInt32 version and refuses one above the highest it knows.
inline Acad::ErrorStatus readVersion(AcDbDwgFiler* filer, Adesk::UInt32& version, Adesk::UInt32 highest)
{
    if (const Acad::ErrorStatus es = filer->readUInt32(&version); es != Acad::eOk)
        return es;
    return version > highest ? Acad::eMakeMeProxy : Acad::eOk;
}

} // namespace records
