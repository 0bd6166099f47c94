// Writes the fuzzers' derived seeds from the project's own files: recordings the recording filer
// writes for each wrapped entity kind of the sample drawing (and one value of every kind), protected
// drawings the plug-in makes of the sample and of a small drawing, and a settings profile the profile
// store writes. Usage: fuzz_seed_maker SOURCE_DIR CORPUS_DIR
#include "app/InstallRoot.h"
#include "entities/CustomClasses.h"
#include "entities/GDwgFiler.h"
#include "entities/WrapperEntities.h"
#include "pipeline/GGuardOption.h"
#include "pipeline/ProtectDatabase.h"
#include "records/EntityDataStream.h"
#include "settings/GUserDataProfile.h"
#include "ui/GCopyrightOption.h"

#include "DwgBufferFiler.h"
#include "dbapserv.h"
#include "dbents.h"
#include "dbobjptr.h"
#include "dbsymtb.h"
#include "gepnt2d.h"
#include "gepnt3d.h"
#include "gescl3d.h"
#include "gevec2d.h"
#include "gevec3d.h"
#include "rxobject.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<Adesk::UInt8>;

struct Kind {
    const ACHAR* innerClass;
    const char* seedName;
};

// The wrapped kinds in the recording fuzzer's order: mode byte (index + 1) << 1.
constexpr std::array<Kind, 26> kKinds{{
    {L"AcDbPoint", "point"},
    {L"AcDbLine", "line"},
    {L"AcDbText", "text"},
    {L"AcDbMText", "mtext"},
    {L"AcDbHatch", "hatch"},
    {L"AcDbBlockReference", "block-reference"},
    {L"AcDbMline", "mline"},
    {L"AcDbArc", "arc"},
    {L"AcDbCircle", "circle"},
    {L"AcDbEllipse", "ellipse"},
    {L"AcDbLeader", "leader"},
    {L"AcDbPolyline", "polyline"},
    {L"AcDbRay", "ray"},
    {L"AcDbSpline", "spline"},
    {L"AcDbXline", "xline"},
    {L"AcDbOrdinateDimension", "ordinate-dimension"},
    {L"AcDb2LineAngularDimension", "2line-angular-dimension"},
    {L"AcDb3PointAngularDimension", "3point-angular-dimension"},
    {L"AcDbAlignedDimension", "aligned-dimension"},
    {L"AcDbDiametricDimension", "diametric-dimension"},
    {L"AcDbRadialDimension", "radial-dimension"},
    {L"AcDbRotatedDimension", "rotated-dimension"},
    {L"AcDbTrace", "trace"},
    {L"AcDbSolid", "solid"},
    {L"AcDb2dPolyline", "2d-polyline"},
    {L"AcDb3dPolyline", "3d-polyline"},
}};

bool writeFile(const fs::path& file, Adesk::UInt8 first, const Bytes& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.put(static_cast<char>(first));
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// What a drawing's filer holds after the recording filer has written through it.
template <class Fill> Bytes recorded(bool scramble, Fill fill)
{
    cadhost::DwgBufferFiler drawingFiler(AcDb::kFileFiler, nullptr);
    drawingFiler.startWriting();
    GDwgFiler recording(&drawingFiler);
    recording.setScramble(scramble);
    if (fill(recording) != Acad::eOk || recording.writeRecording() != Acad::eOk)
        return {};
    return drawingFiler.bytes();
}

// One value of every kind, in the order of the fuzzer's typed reads.
Acad::ErrorStatus everyKind(GDwgFiler& filer)
{
    char block[] = "chunk";
    const std::uint8_t bytes[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    filer.writeInt8(-5);
    filer.writeString(L"图纸外发");
    filer.writeString(AcString(L"text"));
    filer.writeBChunk(ads_binary{5, block});
    filer.writeAcDbHandle(AcDbHandle(0x2A));
    filer.writeInt64(-1234567890123);
    filer.writeInt32(-70000);
    filer.writeInt16(-300);
    filer.writeUInt64(1234567890123);
    filer.writeUInt32(70000);
    filer.writeUInt16(300);
    filer.writeUInt8(200);
    filer.writeBoolean(Adesk::kTrue);
    filer.writeBool(true);
    filer.writeDouble(2.5);
    filer.writePoint2d(AcGePoint2d(1, 2));
    filer.writePoint3d(AcGePoint3d(1, 2, 3));
    filer.writeVector2d(AcGeVector2d(0, 1));
    filer.writeVector3d(AcGeVector3d(0, 0, 1));
    filer.writeScale3d(AcGeScale3d(2, 2, 2));
    filer.writeBytes(bytes, sizeof(bytes));
    filer.writeAddress(reinterpret_cast<const void*>(std::uintptr_t{0x1234}));
    filer.writeHardOwnershipId(AcDbObjectId::kNull);
    filer.writeSoftOwnershipId(AcDbObjectId::kNull);
    filer.writeHardPointerId(AcDbObjectId::kNull);
    filer.writeSoftPointerId(AcDbObjectId::kNull);
    return filer.filerStatus();
}

int writeRecordings(AcDbDatabase& sample, const fs::path& folder)
{
    int written = 0;
    std::array<bool, kKinds.size()> done{};
    const AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(sample.modelSpaceId(), AcDb::kForRead);
    for (const AcDbObjectId& id : modelSpace->entityIds()) {
        AcDbEntityPointer entity(id, AcDb::kForRead);
        if (entity.openStatus() != Acad::eOk)
            continue;
        for (std::size_t index = 0; index < kKinds.size(); ++index) {
            if (done[index] || std::wstring(entity->isA()->name()) != kKinds[index].innerClass)
                continue;
            const Bytes bytes =
                recorded(false, [&](GDwgFiler& filer) { return writeEntityData(entity.object(), &filer); });
            const auto mode = static_cast<Adesk::UInt8>((index + 1) << 1);
            if (!bytes.empty() && writeFile(folder / (std::string(kKinds[index].seedName) + ".rec"), mode, bytes)) {
                done[index] = true;
                ++written;
            }
        }
    }
    for (std::size_t index = 0; index < kKinds.size(); ++index) {
        if (!done[index])
            std::fprintf(stderr, "fuzz_seed_maker: the sample drawing has no %ls\n", kKinds[index].innerClass);
    }
    written += writeFile(folder / "every-kind.rec", 0, recorded(false, everyKind)) ? 1 : 0;
    written += writeFile(folder / "every-kind-scrambled.rec", 1, recorded(true, everyKind)) ? 1 : 0;
    return written;
}

void addEntity(AcDbDatabase& database, AcDbEntity* entity)
{
    AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(database.modelSpaceId(), AcDb::kForWrite);
    entity->setDatabaseDefaults(&database);
    modelSpace->appendAcDbEntity(entity);
    entity->close();
}

// Protects the drawing as a batch does and saves it; the drawing is the working database meanwhile.
bool protectAndSave(AcDbDatabase& database, const fs::path& file)
{
    AcDbDatabase* previous = acdbHostApplicationServices()->workingDatabase();
    acdbHostApplicationServices()->setWorkingDatabase(&database);
    database.setSaveproxygraphics(0);
    GGuardOption options;
    options.kindFlags.applyMask(0xFF);
    Acad::ErrorStatus status = protectDatabase(&database, 1u << 20, options);
    if (status == Acad::eOk)
        status = database.saveAs(file.wstring().c_str(), false);
    acdbHostApplicationServices()->setWorkingDatabase(previous);
    return status == Acad::eOk;
}

bool writeSmallDrawings(const fs::path& corpus)
{
    AcDbDatabase small(true, true);
    addEntity(small, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 5, 0)));
    addEntity(small, new AcDbCircle(AcGePoint3d(3, 3, 0), AcGeVector3d::kZAxis, 2));
    addEntity(small, new AcDbText(AcGePoint3d(1, 1, 0), L"图纸", AcDbObjectId::kNull, 2.5, 0));
    const bool plain =
        small.saveAs((corpus / "drawing_file_fuzzer" / "small.dwg").wstring().c_str(), false) == Acad::eOk;
    return plain && protectAndSave(small, corpus / "protected_drawing_fuzzer" / "small-protected.dwg");
}

bool writeProfile(const fs::path& corpus)
{
    const fs::path root = corpus / "profile-root";
    fs::create_directories(root / "config");
    setInstallRootOverride(root);
    GUserDataProfile& profile = userDataProfile();
    profile.resetPath();
    GCopyrightOption copyright;
    copyright.extra.lines.Add(L"仅供审图");
    copyright.extra.lines.Add(L"Second line");
    copyright.saveToSettings();
    profile.writeFlag(L"GGuardFileDialog", L"Floder", true);
    profile.writeInt(L"GGuardFileDialog", L"SaveType", 31);
    profile.writeFlag(L"GGuardFloerDialog", L"KeepFloderTree", true);
    profile.writeFlag(L"GGuardFloerDialog", L"Rar", false);
    profile.writeString(L"GGuardFloerDialog", L"RarType", L"zip");
    profile.writeInt(L"GGuardPowerDialog", L"GuardTypes", 0xFF);
    profile.writeFlag(L"GConverFileDialog", L"Conver", true);
    profile.writeFlag(L"GConverFileDialog", L"NextSame", false);
    std::error_code error;
    fs::rename(root / "config" / "UserData.ini", corpus / "user_data_profile_fuzzer" / "UserData.ini", error);
    fs::remove_all(root);
    setInstallRootOverride(std::nullopt);
    profile.resetPath();
    return !error;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seed_maker SOURCE_DIR CORPUS_DIR\n");
        return 2;
    }
    const fs::path source = argv[1];
    const fs::path corpus = argv[2];
    for (const char* name :
         {"recording_filer_fuzzer", "drawing_file_fuzzer", "protected_drawing_fuzzer", "user_data_profile_fuzzer"})
        fs::create_directories(corpus / name);

    registerCustomClasses();
    acrxBuildClassHierarchy();
    bool ok = true;
    {
        AcDbDatabase sample(false, true);
        ok = sample.readDwgFile((source / "samples" / "sample.dwg").wstring().c_str()) == Acad::eOk;
        if (ok) {
            std::printf("fuzz_seed_maker: %d recordings\n", writeRecordings(sample, corpus / "recording_filer_fuzzer"));
            ok = protectAndSave(sample, corpus / "protected_drawing_fuzzer" / "sample-protected.dwg");
        }
    }
    ok = ok && writeSmallDrawings(corpus) && writeProfile(corpus);
    deleteCustomClasses();
    if (!ok)
        std::fprintf(stderr, "fuzz_seed_maker: a seed could not be written\n");
    return ok ? 0 : 1;
}
