#include "GBlockReferenceData.h"

#include "OwnedEntityWalk.h"

namespace {

using B = AcDbBlockReference;
using R = GBlockReferenceData;
using F = records::Fields<B, R>;

constexpr R::Spec kBlock[] = {
    F::stored<records::Hard, &R::blockTableRecord>(),
    F::field<records::Pt3, &R::position, &B::position, &B::setPosition>(),
    F::field<records::Scale3d, &R::scaleFactors, &B::scaleFactors, &B::setScaleFactors>(),
    F::field<records::Dbl, &R::rotation, &B::rotation, &B::setRotation>(),
    F::field<records::Vec, &R::normal, &B::normal, &B::setNormal>(),
    F::field<records::Matrix, &R::blockTransform, &B::blockTransform, &B::setBlockTransform>(),
};

} // namespace

std::span<const R::Spec> GBlockReferenceData::blockFields()
{
    return kBlock;
}

void GBlockReferenceData::release()
{
    GEntityData::release();
    attributes.clear();
}

Acad::ErrorStatus GBlockReferenceData::record(AcDbBlockReference* reference)
{
    recordEntity(reference);
    release();
    blockTableRecord = reference->blockTableRecord();
    records::recordFields<B, R>(blockFields(), *this, *reference);
    return forEachOwned<AcDbAttribute>(reference->attributeIterator(), [this](AcDbAttribute& attribute) {
        attributes.emplace_back(new GAttributeData);
        return attributes.back()->record(&attribute);
    });
}

Acad::ErrorStatus GBlockReferenceData::apply(AcDbBlockReference* reference)
{
    applyEntity(reference);
    AcDbObjectId block;
    mapId(block, blockTableRecord);
    if (block.isValid())
        reference->setBlockTableRecord(block);
    records::applyFields<B, R>(blockFields(), *this, *reference);
    return Acad::eOk;
}

Acad::ErrorStatus GBlockReferenceData::write(AcDbBlockReference* reference, AcDbDwgFiler* filer)
{
    Acad::ErrorStatus es = writeEntityVersion(filer);
    if (es == Acad::eOk)
        es = filer->writeUInt32(version);
    if (es != Acad::eOk)
        return es;
    release();
    blockTableRecord = reference->blockTableRecord();
    if (es = records::writeFields<B, R>(blockFields(), *this, *reference, filer); es != Acad::eOk)
        return es;
    // The count is that of the attribute streams that follow, so an attribute that does not open
    // is left out of both.
    if (es = filer->writeUInt32(countOwned<AcDbAttribute>(reference->attributeIterator())); es != Acad::eOk)
        return es;
    return forEachOwned<AcDbAttribute>(reference->attributeIterator(), [this, filer](AcDbAttribute& attribute) {
        attributes.emplace_back(new GAttributeData);
        return attributes.back()->write(&attribute, filer);
    });
}

Acad::ErrorStatus GBlockReferenceData::read(AcDbBlockReference* reference, AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = readEntityVersion(filer); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = records::readVersion(filer, version, kVersion); es != Acad::eOk)
        return es;
    release();
    if (const Acad::ErrorStatus es =
            records::readFields<B, R>(blockFields(), *this, *reference, filer, records::ReadApply::Never);
        es != Acad::eOk)
        return es;
    Adesk::UInt32 count = 0;
    if (const Acad::ErrorStatus es = filer->readUInt32(&count); es != Acad::eOk)
        return es;
    for (Adesk::UInt32 index = 0; index < count; ++index) {
        std::unique_ptr<AcDbAttribute> attribute(new AcDbAttribute);
        attributes.emplace_back(new GAttributeData);
        if (const Acad::ErrorStatus es = attributes.back()->read(attribute.get(), filer); es != Acad::eOk)
            return es;
        if (const Acad::ErrorStatus es = reference->appendAttribute(attribute.get()); es != Acad::eOk)
            return es;
        attribute.release()->close();
    }
    if (!blockTableRecord.isNull())
        reference->setBlockTableRecord(blockTableRecord);
    reference->setBlockTransform(blockTransform);
    reference->setPosition(position);
    reference->setScaleFactors(scaleFactors);
    reference->setRotation(rotation);
    reference->setNormal(normal);
    return Acad::eOk;
}
