#include "GMTextData.h"

namespace {

using M = AcDbMText;
using R = GMTextData;
using F = records::Fields<M, R>;

CString contentsOf(const M& text)
{
    return records::takeText(text.contents());
}

AcCmColor fillColorOf(const M& text)
{
    AcCmColor color;
    text.getBackgroundFillColor(color);
    return color;
}

double fillScaleOf(const M& text)
{
    double scale = 0.0;
    text.getBackgroundScaleFactor(scale);
    return scale;
}

AcCmTransparency fillTransparencyOf(const M& text)
{
    AcCmTransparency transparency;
    text.getBackgroundTransparency(transparency);
    return transparency;
}

constexpr R::Spec kHead[] = {
    F::field<records::UInt8As<M::AttachmentPoint, M::kBottomRight>, &R::attachment, &M::attachment,
             &M::setAttachment>(),
};

constexpr R::Spec kFill[] = {
    F::field<records::Color, &R::backgroundFillColor, &fillColorOf, &M::setBackgroundFillColor>(),
    F::field<records::Dbl, &R::backgroundScaleFactor, &fillScaleOf, &M::setBackgroundScaleFactor>(),
    F::field<records::Transparency, &R::backgroundTransparency, &fillTransparencyOf, &M::setBackgroundTransparency>(),
};

constexpr R::Spec kBody[] = {
    F::field<records::Bool, &R::castShadows, &M::castShadows, &M::setCastShadows>(),
    F::field<records::Str, &R::contents, &contentsOf, &M::setContents>(),
    F::field<records::Vec, &R::normal, &M::normal, &M::setNormal>(),
    F::field<records::Vec, &R::direction, &M::direction, &M::setDirection>(),
    F::field<records::Pt3, &R::location, &M::location, &M::setLocation>(),
    F::field<records::Dbl, &R::rotation, &M::rotation, &M::setRotation>(),
    F::field<records::Dbl, &R::textHeight, &M::textHeight, &M::setTextHeight>(),
};

constexpr R::Spec kTail[] = {
    F::field<records::Dbl, &R::width, &M::width, &M::setWidth>(),
    F::field<records::Dbl, &R::height, &M::height, &M::setHeight>(),
};

} // namespace

std::span<const R::Spec> GMTextData::headFields()
{
    return kHead;
}

std::span<const R::Spec> GMTextData::fillFields()
{
    return kFill;
}

std::span<const R::Spec> GMTextData::bodyFields()
{
    return kBody;
}

std::span<const R::Spec> GMTextData::tailFields()
{
    return kTail;
}

void GMTextData::recordAll(const AcDbMText& text)
{
    records::recordFields<M, R>(headFields(), *this, text);
    backgroundFill = text.backgroundFillOn();
    records::recordFields<M, R>(fillFields(), *this, text);
    records::recordFields<M, R>(bodyFields(), *this, text);
    textStyle = text.textStyle();
    records::recordFields<M, R>(tailFields(), *this, text);
}

void GMTextData::applyAll(AcDbMText& text)
{
    records::applyFields<M, R>(headFields(), *this, text);
    if (backgroundFill) {
        text.setBackgroundFill(true);
        records::applyFields<M, R>(fillFields(), *this, text);
    }
    records::applyFields<M, R>(bodyFields(), *this, text);
    AcDbObjectId style;
    mapId(style, textStyle);
    if (style.isValid())
        text.setTextStyle(style);
    records::applyFields<M, R>(tailFields(), *this, text);
}

Acad::ErrorStatus GMTextData::record(AcDbMText* text)
{
    recordEntity(text);
    recordAll(*text);
    return Acad::eOk;
}

Acad::ErrorStatus GMTextData::apply(AcDbMText* text)
{
    applyEntity(text);
    applyAll(*text);
    return Acad::eOk;
}

Acad::ErrorStatus GMTextData::write(AcDbMText* text, AcDbDwgFiler* filer)
{
    recordAll(*text);
    Acad::ErrorStatus es = writeEntityVersion(filer);
    if (es == Acad::eOk)
        es = filer->writeUInt32(version);
    if (es == Acad::eOk)
        es = records::writeFields<M, R>(headFields(), *this, *text, filer);
    if (es == Acad::eOk)
        es = filer->writeBool(backgroundFill);
    if (es == Acad::eOk && backgroundFill)
        es = records::writeFields<M, R>(fillFields(), *this, *text, filer);
    if (es == Acad::eOk)
        es = records::writeFields<M, R>(bodyFields(), *this, *text, filer);
    if (es == Acad::eOk)
        es = records::Hard::write(filer, textStyle);
    if (es == Acad::eOk)
        es = records::writeFields<M, R>(tailFields(), *this, *text, filer);
    return es;
}

Acad::ErrorStatus GMTextData::read(AcDbMText* text, AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = readEntityVersion(filer); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = records::readVersion(filer, version, kVersion); es != Acad::eOk)
        return es;
    constexpr records::ReadApply kLater = records::ReadApply::Never;
    Acad::ErrorStatus es = records::readFields<M, R>(headFields(), *this, *text, filer, kLater);
    if (es == Acad::eOk)
        es = filer->readBool(&backgroundFill);
    if (es == Acad::eOk && backgroundFill)
        es = records::readFields<M, R>(fillFields(), *this, *text, filer, kLater);
    if (es == Acad::eOk)
        es = records::readFields<M, R>(bodyFields(), *this, *text, filer, kLater);
    if (es == Acad::eOk)
        es = records::Hard::read(filer, textStyle);
    if (es == Acad::eOk)
        es = records::readFields<M, R>(tailFields(), *this, *text, filer, kLater);
    if (es != Acad::eOk)
        return es;
    applyAll(*text);
    return Acad::eOk;
}
