#include "GTextData.h"

namespace {

CString textOf(const AcDbText& text)
{
    return records::takeText(text.textString());
}

using F = records::Fields<AcDbText, GTextData>;
constexpr GTextData::Spec kBeforeStyle[] = {
    F::field<records::Pt3, &GTextData::position, &AcDbText::position, &AcDbText::setPosition>(),
    F::field<records::Dbl, &GTextData::height, &AcDbText::height, &AcDbText::setHeight>(),
    F::field<records::UInt8As<AcDb::TextHorzMode, AcDb::kTextFit>, &GTextData::horizontalMode,
             &AcDbText::horizontalMode, &AcDbText::setHorizontalMode>(),
    F::field<records::Vec, &GTextData::normal, &AcDbText::normal, &AcDbText::setNormal>(),
    F::field<records::Dbl, &GTextData::oblique, &AcDbText::oblique, &AcDbText::setOblique>(),
    F::field<records::Dbl, &GTextData::rotation, &AcDbText::rotation, &AcDbText::setRotation>(),
    F::field<records::Str, &GTextData::textString, &textOf, &AcDbText::setTextString>(),
};

constexpr GTextData::Spec kAfterStyle[] = {
    F::field<records::Dbl, &GTextData::thickness, &AcDbText::thickness, &AcDbText::setThickness>(),
    F::field<records::UInt8As<AcDb::TextVertMode, AcDb::kTextTop>, &GTextData::verticalMode, &AcDbText::verticalMode,
             &AcDbText::setVerticalMode>(),
    F::field<records::Dbl, &GTextData::widthFactor, &AcDbText::widthFactor, &AcDbText::setWidthFactor>(),
    F::field<records::Pt3, &GTextData::alignmentPoint, &AcDbText::alignmentPoint, &AcDbText::setAlignmentPoint>(),
};

} // namespace

std::span<const GTextData::Spec> GTextData::fieldsBeforeStyle()
{
    return kBeforeStyle;
}

std::span<const GTextData::Spec> GTextData::fieldsAfterStyle()
{
    return kAfterStyle;
}

void GTextData::applyText(AcDbText& text)
{
    records::applyFields<AcDbText, GTextData>(fieldsBeforeStyle(), *this, text);
    AcDbObjectId style;
    mapId(style, textStyle);
    if (style.isValid())
        text.setTextStyle(style);
    records::applyFields<AcDbText, GTextData>(fieldsAfterStyle(), *this, text);
}

Acad::ErrorStatus GTextData::record(AcDbText* text)
{
    recordEntity(text);
    records::recordFields<AcDbText, GTextData>(fieldsBeforeStyle(), *this, *text);
    textStyle = text->textStyle();
    records::recordFields<AcDbText, GTextData>(fieldsAfterStyle(), *this, *text);
    return Acad::eOk;
}

Acad::ErrorStatus GTextData::apply(AcDbText* text)
{
    applyEntity(text);
    applyText(*text);
    return Acad::eOk;
}

Acad::ErrorStatus GTextData::write(AcDbText* text, AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = writeEntityVersion(filer); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = filer->writeUInt32(version); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es =
            records::writeFields<AcDbText, GTextData>(fieldsBeforeStyle(), *this, *text, filer);
        es != Acad::eOk)
        return es;
    textStyle = text->textStyle();
    if (const Acad::ErrorStatus es = records::Hard::write(filer, textStyle); es != Acad::eOk)
        return es;
    return records::writeFields<AcDbText, GTextData>(fieldsAfterStyle(), *this, *text, filer);
}

Acad::ErrorStatus GTextData::read(AcDbText* text, AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = readEntityVersion(filer); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = records::readVersion(filer, version, kVersion); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = records::readFields<AcDbText, GTextData>(fieldsBeforeStyle(), *this, *text, filer,
                                                                              records::ReadApply::Never);
        es != Acad::eOk)
        return es;
    // A style that does not read stays unset; the text itself is still complete.
    if (records::Hard::read(filer, textStyle) != Acad::eOk)
        textStyle = AcDbObjectId::kNull;
    if (const Acad::ErrorStatus es = records::readFields<AcDbText, GTextData>(fieldsAfterStyle(), *this, *text, filer,
                                                                              records::ReadApply::Never);
        es != Acad::eOk)
        return es;
    applyText(*text);
    return Acad::eOk;
}
