#include "GAttributeData.h"

namespace {

CString tagOf(const AcDbAttribute& attribute)
{
    return records::takeText(attribute.tag());
}

using F = records::Fields<AcDbAttribute, GAttributeData>;
constexpr GAttributeData::AttributeSpec kFields[] = {
    F::field<records::Str, &GAttributeData::tag, &tagOf, &AcDbAttribute::setTag>(),
    F::field<records::Bool, &GAttributeData::lockPositionInBlock, &AcDbAttribute::lockPositionInBlock,
             &AcDbAttribute::setLockPositionInBlock>(),
    F::field<records::Boolean, &GAttributeData::invisible, &AcDbAttribute::isInvisible, &AcDbAttribute::setInvisible>(),
};

} // namespace

std::span<const GAttributeData::AttributeSpec> GAttributeData::attributeFields()
{
    return kFields;
}

Acad::ErrorStatus GAttributeData::record(AcDbAttribute* attribute)
{
    GTextData::record(attribute);
    records::recordFields<AcDbAttribute, GAttributeData>(attributeFields(), *this, *attribute);
    return Acad::eOk;
}

Acad::ErrorStatus GAttributeData::apply(AcDbAttribute* attribute)
{
    GTextData::apply(attribute);
    records::applyFields<AcDbAttribute, GAttributeData>(attributeFields(), *this, *attribute);
    return Acad::eOk;
}

Acad::ErrorStatus GAttributeData::write(AcDbAttribute* attribute, AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = GTextData::write(attribute, filer); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = filer->writeUInt32(attributeVersion); es != Acad::eOk)
        return es;
    return records::writeFields<AcDbAttribute, GAttributeData>(attributeFields(), *this, *attribute, filer);
}

Acad::ErrorStatus GAttributeData::read(AcDbAttribute* attribute, AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = GTextData::read(attribute, filer); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = records::readVersion(filer, attributeVersion, kAttributeVersion); es != Acad::eOk)
        return es;
    return records::readFields<AcDbAttribute, GAttributeData>(attributeFields(), *this, *attribute, filer,
                                                              records::ReadApply::AfterStream);
}
