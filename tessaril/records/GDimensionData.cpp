#include "GDimensionData.h"

namespace {

using D = AcDbDimension;
using R = GDimensionData;
using F = records::Fields<D, R>;

CString dimensionTextOf(const D& dimension)
{
    return records::takeText(dimension.dimensionText());
}

void setTextPositionMode(D& dimension, Adesk::Boolean usesDefault)
{
    if (usesDefault != Adesk::kFalse)
        dimension.useDefaultTextPosition();
    else
        dimension.useSetTextPosition();
}

constexpr R::Spec kStream[] = {
    F::field<records::Pt3, &R::textPosition, &D::textPosition, &D::setTextPosition>(),
    F::field<records::Boolean, &R::usesDefaultTextPosition, &D::isUsingDefaultTextPosition, &setTextPositionMode>(),
    F::field<records::Vec, &R::normal, &D::normal, &D::setNormal>(),
    F::field<records::Dbl, &R::elevation, &D::elevation, &D::setElevation>(),
    F::field<records::Str, &R::dimensionText, &dimensionTextOf, &D::setDimensionText>(),
    F::field<records::Dbl, &R::textRotation, &D::textRotation, &D::setTextRotation>(),
    F::carried<records::Hard, &R::dimensionStyle, &D::dimensionStyle>(),
    F::field<records::UInt8As<AcDbMText::AttachmentPoint, AcDbMText::kBottomRight>, &R::textAttachment,
             &D::textAttachment, &D::setTextAttachment>(),
    F::field<records::UInt8As<AcDb::LineSpacingStyle, AcDb::kExactly>, &R::lineSpacingStyle, &D::textLineSpacingStyle,
             &D::setTextLineSpacingStyle>(),
    F::field<records::Dbl, &R::lineSpacingFactor, &D::textLineSpacingFactor, &D::setTextLineSpacingFactor>(),
    F::field<records::Pt3, &R::dimBlockPosition, &D::dimBlockPosition, &D::setDimBlockPosition>(),
};

constexpr R::Spec kAppearance[] = {
    F::field<records::Bool, &R::horizontalRefTextRotation, &D::isHorizontalRefTextRotation,
             &D::setHorizontalRefTextRotation>(),
    F::field<records::Bool, &R::arrowFirstFlipped, &D::getArrowFirstIsFlipped, &D::setArrowFirstIsFlipped>(),
    F::field<records::Bool, &R::arrowSecondFlipped, &D::getArrowSecondIsFlipped, &D::setArrowSecondIsFlipped>(),
    F::field<records::Bool, &R::castShadows, &D::castShadows, &D::setCastShadows>(),
    F::field<records::Bool, &R::receiveShadows, &D::receiveShadows, &D::setReceiveShadows>(),
};

} // namespace

std::span<const R::Spec> GDimensionData::streamFields()
{
    return kStream;
}

std::span<const R::Spec> GDimensionData::appearanceFields()
{
    return kAppearance;
}

void GDimensionData::recordDimension(AcDbDimension* dimension)
{
    recordEntity(dimension);
    dimBlockId = dimension->dimBlockId();
    records::recordFields<D, R>(streamFields(), *this, *dimension);
    dynamicDimension = dimension->isDynamicDimension();
    dimLineLinetype = dimension->dimLineLinetype();
    ext1Linetype = dimension->dimExt1Linetype();
    ext2Linetype = dimension->dimExt2Linetype();
    records::recordFields<D, R>(appearanceFields(), *this, *dimension);
    const auto variables = records::dimensionVariables();
    for (std::size_t index = 0; index < variables.size(); ++index)
        variables[index].get(dimensionVariables[index], *dimension);
}

void GDimensionData::applyMappedLinetypes(AcDbDimension& dimension)
{
    AcDbObjectId linetype;
    if (mapId(linetype, dimLineLinetype); linetype.isValid())
        dimension.setDimLineLinetype(linetype);
    linetype = AcDbObjectId::kNull;
    if (mapId(linetype, ext1Linetype); linetype.isValid())
        dimension.setDimExt1Linetype(linetype);
    linetype = AcDbObjectId::kNull;
    if (mapId(linetype, ext2Linetype); linetype.isValid())
        dimension.setDimExt2Linetype(linetype);
}

void GDimensionData::applyVariables(AcDbDimension& dimension) const
{
    const auto variables = records::dimensionVariables();
    for (std::size_t index = 0; index < variables.size(); ++index) {
        if ((variables[index].flags & records::kApplied) != 0)
            variables[index].set(dimensionVariables[index], dimension);
    }
}

void GDimensionData::applyDimension(AcDbDimension* dimension)
{
    applyEntity(dimension);
    AcDbObjectId style;
    if (mapId(style, dimensionStyle); style.isValid())
        dimension->setDimensionStyle(style);
    records::applyFields<D, R>(streamFields(), *this, *dimension);
    dimension->setDynamicDimension(dynamicDimension);
    applyMappedLinetypes(*dimension);
    records::applyFields<D, R>(appearanceFields(), *this, *dimension);
    applyVariables(*dimension);
}

Acad::ErrorStatus GDimensionData::writeDimension(AcDbDimension* dimension, AcDbDwgFiler* filer)
{
    Acad::ErrorStatus es = writeEntityVersion(filer);
    if (es == Acad::eOk)
        es = filer->writeUInt32(dimensionVersion);
    if (es == Acad::eOk)
        es = records::writeFields<D, R>(streamFields(), *this, *dimension, filer);
    if (es != Acad::eOk || dimensionVersion < kVariablesVersion)
        return es;
    const auto variables = records::dimensionVariables();
    for (std::size_t index = 0; index < variables.size(); ++index) {
        if ((variables[index].flags & records::kStreamed) == 0)
            continue;
        variables[index].get(dimensionVariables[index], *dimension);
        if (es = variables[index].transfer(dimensionVariables[index], filer, records::Direction::Write);
            es != Acad::eOk)
            return es;
    }
    return Acad::eOk;
}

Acad::ErrorStatus GDimensionData::readDimension(AcDbDimension* dimension, AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = readEntityVersion(filer); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = records::readVersion(filer, dimensionVersion, kDimensionVersion); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es =
            records::readFields<D, R>(streamFields(), *this, *dimension, filer, records::ReadApply::Never);
        es != Acad::eOk)
        return es;
    if (dimensionStyle.isValid())
        dimension->setDimensionStyle(dimensionStyle);
    records::applyFields<D, R>(streamFields(), *this, *dimension);
    if (dimensionVersion < kVariablesVersion)
        return Acad::eOk;
    const auto variables = records::dimensionVariables();
    for (std::size_t index = 0; index < variables.size(); ++index) {
        if ((variables[index].flags & records::kStreamed) == 0)
            continue;
        if (const Acad::ErrorStatus es =
                variables[index].transfer(dimensionVariables[index], filer, records::Direction::Read);
            es != Acad::eOk)
            return es;
    }
    applyVariables(*dimension);
    return Acad::eOk;
}
