// The recording filer on arbitrary bytes in a drawing's filer. The first byte chooses the reading:
// bit 0 unscrambles the recording, the rest picks either typed reads of every kind the filer offers
// (0) or the record stream of one wrapped entity kind (1 to 26). The other bytes are what the drawing's
// filer holds: the recording's length, chunk count and chunks.
#include "FuzzTempFolder.h"
#include "PluginInstallRoot.h"

#include "entities/GDwgFiler.h"
#include "entities/WrapperEntities.h"
#include "records/EntityDataStream.h"

#include "DwgBufferFiler.h"
#include "acutads.h"
#include "dbents.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

using Read = Acad::ErrorStatus (*)(GDwgFiler&);

// One read into a value of its own kind, which is then dropped.
template <class Value, Acad::ErrorStatus (GDwgFiler::*Method)(Value*)> Acad::ErrorStatus readInto(GDwgFiler& filer)
{
    Value value{};
    return (filer.*Method)(&value);
}

// One read of each kind the filer offers, the ones that allocate for the caller released again.
constexpr std::array<Read, 27> kReads{
    readInto<Adesk::Int8, &GDwgFiler::readInt8>,
    [](GDwgFiler& f) {
        ACHAR* text = nullptr;
        const Acad::ErrorStatus es = f.readString(&text);
        acutDelString(text);
        return es;
    },
    [](GDwgFiler& f) {
        AcString text;
        return f.readString(text);
    },
    [](GDwgFiler& f) {
        ads_binary chunk{0, nullptr};
        const Acad::ErrorStatus es = f.readBChunk(&chunk);
        if (chunk.buf != nullptr)
            acutDelBuffer(chunk.buf);
        return es;
    },
    readInto<AcDbHandle, &GDwgFiler::readAcDbHandle>,
    readInto<Adesk::Int64, &GDwgFiler::readInt64>,
    readInto<Adesk::Int32, &GDwgFiler::readInt32>,
    readInto<Adesk::Int16, &GDwgFiler::readInt16>,
    readInto<Adesk::UInt64, &GDwgFiler::readUInt64>,
    readInto<Adesk::UInt32, &GDwgFiler::readUInt32>,
    readInto<Adesk::UInt16, &GDwgFiler::readUInt16>,
    readInto<Adesk::UInt8, &GDwgFiler::readUInt8>,
    readInto<Adesk::Boolean, &GDwgFiler::readBoolean>,
    readInto<bool, &GDwgFiler::readBool>,
    readInto<double, &GDwgFiler::readDouble>,
    readInto<AcGePoint2d, &GDwgFiler::readPoint2d>,
    readInto<AcGePoint3d, &GDwgFiler::readPoint3d>,
    readInto<AcGeVector2d, &GDwgFiler::readVector2d>,
    readInto<AcGeVector3d, &GDwgFiler::readVector3d>,
    readInto<AcGeScale3d, &GDwgFiler::readScale3d>,
    [](GDwgFiler& f) {
        std::array<std::uint8_t, 16> bytes{};
        return f.readBytes(bytes.data(), bytes.size());
    },
    readInto<void*, &GDwgFiler::readAddress>,
    readInto<AcDbHardOwnershipId, &GDwgFiler::readHardOwnershipId>,
    readInto<AcDbSoftOwnershipId, &GDwgFiler::readSoftOwnershipId>,
    readInto<AcDbHardPointerId, &GDwgFiler::readHardPointerId>,
    readInto<AcDbSoftPointerId, &GDwgFiler::readSoftPointerId>,
    [](GDwgFiler& f) {
        std::array<std::uint8_t, 1> bytes{};
        return f.readBytes(bytes.data(), 0);
    },
};

// Rounds of every read until a round reads nothing: a read of the wrong kind puts its tag back, so
// each value is met by its own read in the round it comes up.
void readEveryKind(GDwgFiler& filer)
{
    for (bool progress = true; progress;) {
        progress = false;
        for (const Read read : kReads) {
            if (read(filer) == Acad::eOk)
                progress = true;
        }
    }
}

using MakeInner = AcDbEntity* (*)();
template <class Wrapper> constexpr MakeInner innerOf()
{
    return [] { return static_cast<AcDbEntity*>(new typename Wrapper::InnerEntity()); };
}

// The wrapped entity kinds, in the order the plug-in registers their wrappers.
constexpr std::array<MakeInner, 26> kInnerKinds{
    innerOf<AcDbPointEx>(),
    innerOf<AcDbLineEx>(),
    innerOf<AcDbTextEx>(),
    innerOf<AcDbMTextEx>(),
    innerOf<AcDbHatchEx>(),
    innerOf<AcDbBlockReferenceEx>(),
    innerOf<AcDbMlineEx>(),
    innerOf<AcDbArcEx>(),
    innerOf<AcDbCircleEx>(),
    innerOf<AcDbEllipseEx>(),
    innerOf<AcDbLeaderEx>(),
    innerOf<AcDbPolylineEx>(),
    innerOf<AcDbRayEx>(),
    innerOf<AcDbSplineEx>(),
    innerOf<AcDbXlineEx>(),
    innerOf<AcDbOrdinateDimensionEx>(),
    innerOf<AcDb2LineAngularDimensionEx>(),
    innerOf<AcDb3PointAngularDimensionEx>(),
    innerOf<AcDbAlignedDimensionEx>(),
    innerOf<AcDbDiametricDimensionEx>(),
    innerOf<AcDbRadialDimensionEx>(),
    innerOf<AcDbRotatedDimensionEx>(),
    innerOf<AcDbTraceEx>(),
    innerOf<AcDbSolidEx>(),
    innerOf<AcDb2dPolylineEx>(),
    innerOf<AcDb3dPolylineEx>(),
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    pluginInstallRoot();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool scramble = (data[0] & 1) != 0;
    const std::size_t kind = (data[0] >> 1) % (kInnerKinds.size() + 1);

    cadhost::DwgBufferFiler drawingFiler(AcDb::kFileFiler, nullptr);
    drawingFiler.startReading(data + 1, size - 1);
    GDwgFiler recording(&drawingFiler);
    recording.setScramble(scramble);
    if (recording.readRecording() != Acad::eOk)
        return 0;
    if (kind == 0) {
        readEveryKind(recording);
    } else {
        const std::unique_ptr<AcDbEntity> entity(kInnerKinds[kind - 1]());
        readEntityData(entity.get(), &recording);
    }
    return 0;
}
