#include "Crc32.h"
#include "DrawingFile.h"
#include "DrawingFixture.h"
#include "ResbufType.h"
#include "dbdict.h"

#include <cstring>
#include <optional>

namespace {
struct Section {
    std::size_t payload;
    std::size_t length;
};

Adesk::UInt32 readU32(const std::vector<Adesk::UInt8>& bytes, std::size_t offset)
{
    Adesk::UInt32 value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof(value));
    return value;
}

void writeU32(std::vector<Adesk::UInt8>& bytes, std::size_t offset, Adesk::UInt32 value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof(value));
}

// Sections of a well-formed file: magic (8), format, count, then tag, length, payload, checksum.
std::vector<Section> sections(const std::vector<Adesk::UInt8>& bytes)
{
    std::vector<Section> found;
    std::size_t offset = 16;
    for (int index = 0; index < 3; ++index) {
        std::size_t length = readU32(bytes, offset + 4);
        found.push_back(Section{offset + 8, length});
        offset += 8 + length + 4;
    }
    return found;
}

// Recomputes every checksum, so that damage reaches the structure behind them.
void fixChecksums(std::vector<Adesk::UInt8>& bytes, const std::vector<Section>& layout)
{
    for (const Section& section : layout)
        writeU32(bytes, section.payload + section.length,
                 cadhost::crc32(bytes.data() + section.payload, section.length));
}

class CorruptFileTest : public DrawingFixture {
protected:
    void SetUp() override
    {
        AcDbObjectId first = addMarker(database, 1, L"one");
        AcDbObjectId second = addMarker(database, 2, L"two");
        {
            AcDbObjectPointer<TestMarker> marker(second, AcDb::kForWrite);
            marker->linked = first;
            cadhost::ResbufChain data(acutBuildList(AcDb::kDxfRegAppName, L"ACAD", AcDb::kDxfXdAsciiString, L"note",
                                                    AcDb::kDxfXdReal, 1.0, RTNONE));
            ASSERT_EQ(Acad::eOk, marker->setXData(data.get()));
        }
        path = save(database);
        good = readBytes(path);
        layout = sections(good);
    }

    static Acad::ErrorStatus decode(const std::vector<Adesk::UInt8>& bytes)
    {
        AcDbDatabase target(false, true);
        return cadhost::decodeDrawing(*target.imp(), bytes.data(), bytes.size());
    }

    std::wstring path;
    std::vector<Adesk::UInt8> good;
    std::vector<Section> layout;
};

TEST_F(CorruptFileTest, TheUndamagedFileLoads)
{
    EXPECT_EQ(Acad::eOk, decode(good));
}

TEST_F(CorruptFileTest, EveryTruncationIsRefused)
{
    for (std::size_t length = 0; length < good.size(); ++length) {
        std::vector<Adesk::UInt8> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
        Acad::ErrorStatus status = decode(cut);
        ASSERT_TRUE(status == Acad::eBadDwgHeader || status == Acad::eFileMissingSections)
            << "length " << length << ": " << status;
    }
    std::vector<Adesk::UInt8> longer = good;
    longer.push_back(0);
    EXPECT_EQ(Acad::eBadDwgHeader, decode(longer));
}

TEST_F(CorruptFileTest, EveryBitFlipIsRefused)
{
    for (std::size_t offset = 0; offset < good.size(); ++offset) {
        std::vector<Adesk::UInt8> damaged = good;
        damaged[offset] ^= static_cast<Adesk::UInt8>(1u << (offset % 8));
        EXPECT_NE(Acad::eOk, decode(damaged)) << "offset " << offset;
    }
}

TEST_F(CorruptFileTest, DamageBehindValidChecksumsNeverCrashes)
{
    int refused = 0;
    constexpr Adesk::UInt8 kMasks[] = {0x01, 0x80, 0xFF};
    for (std::size_t offset = layout[0].payload; offset < good.size(); ++offset) {
        std::vector<Adesk::UInt8> damaged = good;
        damaged[offset] ^= kMasks[offset % 3];
        fixChecksums(damaged, layout);
        if (decode(damaged) != Acad::eOk)
            ++refused;
    }
    EXPECT_GT(refused, 0);
}

TEST_F(CorruptFileTest, HugeCountsAndLengthsAreRefusedBeforeAllocation)
{
    const std::size_t classes = layout[1].payload;
    const std::size_t objects = layout[2].payload;
    const std::size_t firstRecord = objects + 8;
    struct Field {
        const char* name;
        std::size_t offset;
    };
    const Field fields[] = {
        {"class count", classes},
        {"first class name length", classes + 4},
        {"object count", objects},
        {"first record length", objects + 4},
        {"first record extended-data length", firstRecord + 28},
    };
    for (const Field& field : fields) {
        for (Adesk::UInt32 value : {0xFFFFFFFFu, 0x7FFFFFFFu, 0x10000000u}) {
            std::vector<Adesk::UInt8> damaged = good;
            writeU32(damaged, field.offset, value);
            fixChecksums(damaged, layout);
            EXPECT_EQ(Acad::eDwgObjectImproperlyRead, decode(damaged)) << field.name << " " << value;
        }
    }
    std::vector<Adesk::UInt8> damaged = good;
    writeU32(damaged, layout[0].payload, 24);
    fixChecksums(damaged, layout);
    EXPECT_EQ(Acad::eInvalidDwgVersion, decode(damaged));
}

// Replaces a class name of the same length in the class section.
std::optional<std::vector<Adesk::UInt8>> renameClass(std::vector<Adesk::UInt8> bytes, const Section& classes,
                                                     const std::string& from, const std::string& to)
{
    auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(classes.payload);
    auto end = begin + static_cast<std::ptrdiff_t>(classes.length);
    auto found = std::search(begin, end, from.begin(), from.end());
    if (found == end || from.size() != to.size())
        return std::nullopt;
    std::copy(to.begin(), to.end(), found);
    return bytes;
}

TEST_F(CorruptFileTest, UnknownClassNamesBecomeProxiesOrAreRefused)
{
    auto renamedMarker = renameClass(good, layout[1], "TestMarker", "TestMarkes");
    ASSERT_TRUE(renamedMarker.has_value());
    fixChecksums(*renamedMarker, layout);
    EXPECT_EQ(Acad::eOk, decode(*renamedMarker));

    auto renamedLayer = renameClass(good, layout[1], "AcDbLayerTableRecord", "AcDbLayerTableRecorX");
    ASSERT_TRUE(renamedLayer.has_value());
    fixChecksums(*renamedLayer, layout);
    EXPECT_EQ(Acad::eBadDwgHeader, decode(*renamedLayer));

    auto notAnObject = renameClass(good, layout[1], "AcDbLayout", "AcRxObject");
    ASSERT_TRUE(notAnObject.has_value());
    fixChecksums(*notAnObject, layout);
    EXPECT_EQ(Acad::eNotThatKindOfClass, decode(*notAnObject));
}

TEST_F(CorruptFileTest, ReferencesToObjectsNotInTheFileBecomeNull)
{
    AcDbObjectId target = addMarker(database, 3);
    AcDbObjectId holder = addMarker(database, 4);
    {
        AcDbObjectPointer<TestMarker> marker(holder, AcDb::kForWrite);
        marker->linked = target;
    }
    {
        AcDbEntityPointer erased(target, AcDb::kForWrite);
        ASSERT_EQ(Acad::eOk, erased->erase());
    }
    auto reopened = reopen(database);
    AcDbObjectId id;
    ASSERT_EQ(Acad::eOk, reopened->getAcDbObjectId(id, false, holder.handle()));
    AcDbObjectPointer<TestMarker> marker(id, AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, marker.openStatus());
    EXPECT_TRUE(marker->linked.isNull());
}

TEST_F(CorruptFileTest, FilesOfAnotherKindAreRefused)
{
    writeBytes(path, {'A', 'C', '1', '0', '2', '7', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    open(path, Acad::eBadDwgHeader);
    writeBytes(path, {});
    open(path, Acad::eBadDwgHeader);
}
} // namespace
