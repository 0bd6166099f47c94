// A per-type record whose fields are one list (see RecordFields.h): record and apply run the parent
// level first and then walk the list. GStreamedRecord adds the stream: the parent level's header, the
// record's own UInt32 version, then the fields.
#pragma once

#include "RecordFields.h"

template <class Self, class Entity, class Parent> class GFieldRecord : public Parent {
public:
    using Spec = records::FieldSpec<Entity, Self>;

    virtual Acad::ErrorStatus record(Entity* entity)
    {
        this->recordLevel(entity);
        self().getCombined(*entity);
        records::recordFields<Entity, Self>(Self::fields(), self(), *entity);
        return Acad::eOk;
    }

    virtual Acad::ErrorStatus apply(Entity* entity)
    {
        this->applyLevel(entity);
        self().setCombined(*entity);
        records::applyFields<Entity, Self>(Self::fields(), self(), *entity);
        return Acad::eOk;
    }

    Adesk::UInt32 version = 1;

protected:
    Self& self() { return static_cast<Self&>(*this); }
    // A record whose values the host takes and sets in one call (stored fields) hides these two.
    void getCombined(const Entity&) {}
    void setCombined(Entity&) {}
};

template <class Self, class Entity, class Parent, records::ReadApply When = records::ReadApply::AfterStream>
class GStreamedRecord : public GFieldRecord<Self, Entity, Parent> {
public:
    static constexpr Adesk::UInt32 kVersion = 1;

    virtual Acad::ErrorStatus write(Entity* entity, AcDbDwgFiler* filer)
    {
        if (const Acad::ErrorStatus es = this->writeLevelHeader(filer); es != Acad::eOk)
            return es;
        if (const Acad::ErrorStatus es = filer->writeUInt32(this->version); es != Acad::eOk)
            return es;
        this->self().getCombined(*entity);
        return records::writeFields<Entity, Self>(Self::fields(), this->self(), *entity, filer);
    }

    virtual Acad::ErrorStatus read(Entity* entity, AcDbDwgFiler* filer)
    {
        if (const Acad::ErrorStatus es = this->readLevelHeader(filer); es != Acad::eOk)
            return es;
        if (const Acad::ErrorStatus es = records::readVersion(filer, this->version, kVersion); es != Acad::eOk)
            return es;
        if (When == records::ReadApply::EachValue)
            return records::readFields<Entity, Self>(Self::fields(), this->self(), *entity, filer, When);
        if (const Acad::ErrorStatus es = records::readFields<Entity, Self>(Self::fields(), this->self(), *entity, filer,
                                                                           records::ReadApply::Never);
            es != Acad::eOk)
            return es;
        this->self().setCombined(*entity);
        records::applyFields<Entity, Self>(Self::fields(), this->self(), *entity);
        return Acad::eOk;
    }
};
