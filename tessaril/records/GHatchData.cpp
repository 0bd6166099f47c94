#include "GHatchData.h"

#include "HatchLoopConversion.h"

namespace {

using H = AcDbHatch;
using R = GHatchData;
using F = records::Fields<H, R>;

constexpr Adesk::Int32 kSingleLoopType = AcDbHatch::kExternal;

CString gradientNameOf(const H& hatch)
{
    return hatch.gradientName();
}

CString patternNameOf(const H& hatch)
{
    return hatch.patternName();
}

void setGradient(const R& record, H& hatch)
{
    hatch.setGradient(record.gradientType, record.gradientName);
}

constexpr R::Spec kGradient[] = {
    F::field<records::Dbl, &R::elevation, &H::elevation, &H::setElevation>(),
    F::field<records::Vec, &R::normal, &H::normal, &H::setNormal>(),
    F::field<records::UInt8As<H::HatchObjectType, H::kGradientObject>, &R::hatchObjectType, &H::hatchObjectType,
             &H::setHatchObjectType>(),
    F::carried<records::UInt8As<H::GradientPatternType, H::kUserDefinedGradient>, &R::gradientType, &H::gradientType>(),
    F::fieldSetBy<records::Str, &R::gradientName, &gradientNameOf, &setGradient>(),
    F::field<records::Dbl, &R::gradientAngle, &H::gradientAngle, &H::setGradientAngle>(),
    F::field<records::Boolean, &R::oneColorMode, &H::getGradientOneColorMode, &H::setGradientOneColorMode>(),
};

// The pattern type and name are set together, last.
constexpr R::Spec kPattern[] = {
    F::field<records::FloatAsDbl, &R::shadeTintValue, &H::getShadeTintValue, &H::setShadeTintValue>(),
    F::field<records::FloatAsDbl, &R::gradientShift, &H::getGradientShift, &H::setGradientShift>(),
    F::carried<records::UInt8As<H::HatchPatternType, H::kCustomDefined>, &R::patternType, &H::patternType>(),
    F::carried<records::Str, &R::patternName, &patternNameOf>(),
    F::field<records::Dbl, &R::patternAngle, &H::patternAngle, &H::setPatternAngle>(),
    F::field<records::Dbl, &R::patternSpace, &H::patternSpace, &H::setPatternSpace>(),
    F::field<records::Dbl, &R::patternScale, &H::patternScale, &H::setPatternScale>(),
    F::field<records::BoolAsDbl, &R::patternDouble, &H::patternDouble, &H::setPatternDouble>(),
    F::field<records::UInt8As<H::HatchStyle, H::kIgnore>, &R::hatchStyle, &H::hatchStyle, &H::setHatchStyle>(),
    F::field<records::Bool, &R::castShadows, &H::castShadows, &H::setCastShadows>(),
    F::field<records::Bool, &R::receiveShadows, &H::receiveShadows, &H::setReceiveShadows>(),
};

void appendLoop(AcDbHatch& hatch, Adesk::Int32 loopType, const AcDbPolyline& polyline)
{
    AcGePoint2dArray vertices;
    AcGeDoubleArray bulges;
    for (unsigned int index = 0; index < polyline.numVerts(); ++index) {
        AcGePoint2d point;
        double bulge = 0.0;
        polyline.getPointAt(index, point);
        polyline.getBulgeAt(index, bulge);
        vertices.append(point);
        bulges.append(bulge);
    }
    hatch.appendLoop(loopType, vertices, bulges);
}

} // namespace

std::span<const R::Spec> GHatchData::gradientFields()
{
    return kGradient;
}

std::span<const R::Spec> GHatchData::patternFields()
{
    return kPattern;
}

void GHatchData::release()
{
    GEntityData::release();
    while (!loops.empty())
        loops.pop_back();
    loopTypes.clear();
}

void GHatchData::recordGradientColors(const AcDbHatch& hatch)
{
    gradientColors.clear();
    gradientValues.clear();
    unsigned int count = 0;
    AcCmColor* colors = nullptr;
    float* values = nullptr;
    hatch.getGradientColors(count, colors, values);
    const std::unique_ptr<AcCmColor[]> ownedColors(colors);
    const std::unique_ptr<float[]> ownedValues(values);
    for (unsigned int index = 0; index < count; ++index) {
        AcCmColor reduced;
        reduced.setColorIndex(colors[index].colorIndex());
        gradientColors.push_back(reduced);
        gradientValues.push_back(values[index]);
    }
}

void GHatchData::setGradientColors(AcDbHatch& hatch) const
{
    hatch.setGradientColors(static_cast<unsigned int>(gradientColors.size()), gradientColors.data(),
                            gradientValues.data());
}

void GHatchData::convertLoops(const AcDbHatch& hatch)
{
    for (int index = 0; index < hatch.numLoops(); ++index) {
        loops.emplace_back(new AcDbPolyline);
        loopTypes.push_back(convertHatchLoop(hatch, index, *loops.back()));
    }
}

void GHatchData::appendLoops(AcDbHatch& hatch) const
{
    for (std::size_t index = 0; index < loops.size(); ++index)
        appendLoop(hatch, loops.size() == 1 ? kSingleLoopType : loopTypes[index], *loops[index]);
}

Acad::ErrorStatus GHatchData::record(AcDbHatch* hatch)
{
    release();
    recordEntity(hatch);
    records::recordFields<H, R>(gradientFields(), *this, *hatch);
    recordGradientColors(*hatch);
    records::recordFields<H, R>(patternFields(), *this, *hatch);
    convertLoops(*hatch);
    originPoint = hatch->originPoint();
    return Acad::eOk;
}

Acad::ErrorStatus GHatchData::apply(AcDbHatch* hatch)
{
    applyEntity(hatch);
    hatch->setAssociative(false);
    hatch->setElevation(elevation);
    hatch->setHatchObjectType(hatchObjectType);
    hatch->setGradient(gradientType, gradientName);
    hatch->setGradientAngle(gradientAngle);
    hatch->setGradientOneColorMode(oneColorMode);
    // A copy in memory keeps the colours a one-colour gradient draws with, though a stream leaves them out.
    if (oneColorMode == Adesk::kFalse || !gradientColors.empty())
        setGradientColors(*hatch);
    hatch->setOriginPoint(originPoint);
    appendLoops(*hatch);
    hatch->setPatternDouble(patternDouble);
    hatch->setPatternSpace(patternSpace);
    hatch->setCastShadows(castShadows);
    hatch->setReceiveShadows(receiveShadows);
    hatch->setNormal(normal);
    hatch->setPatternScale(patternScale);
    hatch->setPatternAngle(patternAngle);
    hatch->setShadeTintValue(shadeTintValue);
    hatch->setGradientShift(gradientShift);
    hatch->setHatchStyle(hatchStyle);
    hatch->setPattern(patternType, patternName);
    hatch->setLineGenerationEnabled(true);
    hatch->evaluateHatch(true);
    return Acad::eOk;
}

Acad::ErrorStatus GHatchData::writeGradientColors(AcDbDwgFiler* filer)
{
    Acad::ErrorStatus es = filer->writeUInt32(static_cast<Adesk::UInt32>(gradientColors.size()));
    for (std::size_t index = 0; es == Acad::eOk && index < gradientColors.size(); ++index) {
        es = filer->writeUInt16(gradientColors[index].colorIndex());
        if (es == Acad::eOk)
            es = filer->writeDouble(gradientValues[index]);
    }
    return es;
}

Acad::ErrorStatus GHatchData::readGradientColors(AcDbDwgFiler* filer)
{
    gradientColors.clear();
    gradientValues.clear();
    Adesk::UInt32 count = 0;
    if (const Acad::ErrorStatus es = filer->readUInt32(&count); es != Acad::eOk)
        return es;
    for (Adesk::UInt32 index = 0; index < count; ++index) {
        Adesk::UInt16 colorIndex = 0;
        double value = 0.0;
        if (const Acad::ErrorStatus es = filer->readUInt16(&colorIndex); es != Acad::eOk)
            return es;
        if (const Acad::ErrorStatus es = filer->readDouble(&value); es != Acad::eOk)
            return es;
        AcCmColor color;
        color.setColorIndex(colorIndex);
        gradientColors.push_back(color);
        gradientValues.push_back(static_cast<float>(value));
    }
    return Acad::eOk;
}

Acad::ErrorStatus GHatchData::writeLoops(AcDbDwgFiler* filer)
{
    Acad::ErrorStatus es = filer->writeUInt32(static_cast<Adesk::UInt32>(loops.size()));
    for (std::size_t index = 0; es == Acad::eOk && index < loops.size(); ++index) {
        const AcDbPolyline& polyline = *loops[index];
        es = filer->writeUInt32(static_cast<Adesk::UInt32>(loopTypes[index]));
        if (es == Acad::eOk)
            es = filer->writeUInt32(polyline.numVerts());
        for (unsigned int vertex = 0; es == Acad::eOk && vertex < polyline.numVerts(); ++vertex) {
            AcGePoint2d point;
            double bulge = 0.0;
            polyline.getPointAt(vertex, point);
            polyline.getBulgeAt(vertex, bulge);
            es = filer->writePoint2d(point);
            if (es == Acad::eOk)
                es = filer->writeDouble(bulge);
        }
    }
    return es;
}

Acad::ErrorStatus GHatchData::readLoops(AcDbHatch& hatch, AcDbDwgFiler* filer)
{
    Adesk::UInt32 count = 0;
    if (const Acad::ErrorStatus es = filer->readUInt32(&count); es != Acad::eOk)
        return es;
    for (Adesk::UInt32 index = 0; index < count; ++index) {
        Adesk::UInt32 loopType = 0;
        Adesk::UInt32 vertices = 0;
        if (const Acad::ErrorStatus es = filer->readUInt32(&loopType); es != Acad::eOk)
            return es;
        if (const Acad::ErrorStatus es = filer->readUInt32(&vertices); es != Acad::eOk)
            return es;
        loops.emplace_back(new AcDbPolyline);
        loopTypes.push_back(static_cast<Adesk::Int32>(loopType));
        for (Adesk::UInt32 vertex = 0; vertex < vertices; ++vertex) {
            AcGePoint2d point;
            double bulge = 0.0;
            if (const Acad::ErrorStatus es = filer->readPoint2d(&point); es != Acad::eOk)
                return es;
            if (const Acad::ErrorStatus es = filer->readDouble(&bulge); es != Acad::eOk)
                return es;
            loops.back()->addVertexAt(vertex, point, bulge, -1.0, -1.0);
        }
        appendLoop(hatch, count == 1 ? kSingleLoopType : loopTypes.back(), *loops.back());
    }
    return Acad::eOk;
}

Acad::ErrorStatus GHatchData::write(AcDbHatch* hatch, AcDbDwgFiler* filer)
{
    Acad::ErrorStatus es = writeEntityVersion(filer);
    if (es == Acad::eOk)
        es = filer->writeUInt32(version);
    if (es != Acad::eOk)
        return es;
    release();
    if (es = records::writeFields<H, R>(gradientFields(), *this, *hatch, filer); es != Acad::eOk)
        return es;
    if (oneColorMode == Adesk::kFalse) {
        recordGradientColors(*hatch);
        if (es = writeGradientColors(filer); es != Acad::eOk)
            return es;
    }
    if (es = records::writeFields<H, R>(patternFields(), *this, *hatch, filer); es != Acad::eOk)
        return es;
    convertLoops(*hatch);
    if (es = writeLoops(filer); es != Acad::eOk)
        return es;
    originPoint = hatch->originPoint();
    return version >= kOriginVersion ? filer->writePoint2d(originPoint) : Acad::eOk;
}

Acad::ErrorStatus GHatchData::read(AcDbHatch* hatch, AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = readEntityVersion(filer); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = records::readVersion(filer, version, kVersion); es != Acad::eOk)
        return es;
    release();
    hatch->setAssociative(false);
    constexpr records::ReadApply kEach = records::ReadApply::EachValue;
    if (const Acad::ErrorStatus es = records::readFields<H, R>(gradientFields(), *this, *hatch, filer, kEach);
        es != Acad::eOk)
        return es;
    if (oneColorMode == Adesk::kFalse) {
        if (const Acad::ErrorStatus es = readGradientColors(filer); es != Acad::eOk)
            return es;
        setGradientColors(*hatch);
    }
    if (const Acad::ErrorStatus es = records::readFields<H, R>(patternFields(), *this, *hatch, filer, kEach);
        es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = readLoops(*hatch, filer); es != Acad::eOk)
        return es;
    if (version >= kOriginVersion) {
        if (const Acad::ErrorStatus es = filer->readPoint2d(&originPoint); es != Acad::eOk)
            return es;
        hatch->setOriginPoint(originPoint);
    }
    hatch->setPattern(patternType, patternName);
    hatch->setLineGenerationEnabled(true);
    hatch->evaluateHatch(false);
    return Acad::eOk;
}
