// A per-kind dimension record whose own fields are one list (see RecordFields.h). record runs the
// common level first; apply sets the kind's values and then the common ones, or, for a kind whose
// values depend on the common ones, the common ones first. GStreamedDimensionData adds the stream:
// the dimension stream, the kind's UInt32 version, then its fields.
#pragma once

#include "GDimensionData.h"

enum class CommonDimensionValues { AppliedAfter, AppliedBefore };

template <class Self, class Entity, CommonDimensionValues Order = CommonDimensionValues::AppliedAfter>
class GDimensionKindData : public GDimensionData {
public:
    using Spec = records::FieldSpec<Entity, Self>;

    virtual Acad::ErrorStatus record(Entity* dimension)
    {
        recordDimension(dimension);
        records::recordFields<Entity, Self>(Self::fields(), self(), *dimension);
        return Acad::eOk;
    }

    virtual Acad::ErrorStatus apply(Entity* dimension)
    {
        if (Order == CommonDimensionValues::AppliedBefore)
            applyDimension(dimension);
        applyKind(*dimension);
        if (Order == CommonDimensionValues::AppliedAfter)
            applyDimension(dimension);
        return Acad::eOk;
    }

    // A kind with values that a list cannot set hides this; it runs after the list's setters.
    void applyAfterFields(Entity&) const {}

    Adesk::UInt32 version = 1;

protected:
    Self& self() { return static_cast<Self&>(*this); }

    void applyKind(Entity& dimension)
    {
        records::applyFields<Entity, Self>(Self::fields(), self(), dimension);
        self().applyAfterFields(dimension);
    }
};

template <class Self, class Entity, CommonDimensionValues Order = CommonDimensionValues::AppliedAfter>
class GStreamedDimensionData : public GDimensionKindData<Self, Entity, Order> {
public:
    static constexpr Adesk::UInt32 kVersion = 1;

    virtual Acad::ErrorStatus write(Entity* dimension, AcDbDwgFiler* filer)
    {
        if (const Acad::ErrorStatus es = this->writeDimension(dimension, filer); es != Acad::eOk)
            return es;
        if (const Acad::ErrorStatus es = filer->writeUInt32(this->version); es != Acad::eOk)
            return es;
        return records::writeFields<Entity, Self>(Self::fields(), this->self(), *dimension, filer);
    }

    // The common values stay set when the kind's own fields fail to read.
    virtual Acad::ErrorStatus read(Entity* dimension, AcDbDwgFiler* filer)
    {
        if (const Acad::ErrorStatus es = this->readDimension(dimension, filer); es != Acad::eOk)
            return es;
        if (const Acad::ErrorStatus es = records::readVersion(filer, this->version, kVersion); es != Acad::eOk)
            return es;
        if (const Acad::ErrorStatus es = records::readFields<Entity, Self>(Self::fields(), this->self(), *dimension,
                                                                           filer, records::ReadApply::Never);
            es != Acad::eOk)
            return es;
        this->applyKind(*dimension);
        return Acad::eOk;
    }
};
