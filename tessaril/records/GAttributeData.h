// The record of an attribute: the text record, then tag, lock-position and invisible flags.
#pragma once

#include "GTextData.h"

class GAttributeData : public GTextData {
public:
    using GTextData::apply;
    using GTextData::read;
    using GTextData::record;
    using GTextData::write;
    using AttributeSpec = records::FieldSpec<AcDbAttribute, GAttributeData>;
    static constexpr Adesk::UInt32 kAttributeVersion = 1;

    virtual Acad::ErrorStatus record(AcDbAttribute* attribute);
    virtual Acad::ErrorStatus apply(AcDbAttribute* attribute);
    virtual Acad::ErrorStatus write(AcDbAttribute* attribute, AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus read(AcDbAttribute* attribute, AcDbDwgFiler* filer);

    CString tag;
    bool lockPositionInBlock = false;
    Adesk::Boolean invisible = Adesk::kFalse;
    Adesk::UInt32 attributeVersion = 1;

private:
    static std::span<const AttributeSpec> attributeFields();
};
