// Saving a drawing where the file system gets in the way: a full disk, a refused folder, a name as long
// as a name may be. A failed save leaves the previous drawing as it was and no stray file beside it.
#include "DrawingFixture.h"
#include "codepage.h"
#include "faultplan.h"

#include <algorithm>
#include <string>

namespace {

class DrawingSaveFaultsTest : public DrawingFixture {
protected:
    void TearDown() override { cadhost::setFileFaults({}); }

    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }

    int firstNumber(const std::wstring& path)
    {
        const std::unique_ptr<AcDbDatabase> opened = open(path);
        AcDbBlockTableRecordPointer space(opened->modelSpaceId(), AcDb::kForRead);
        const AcDbObjectIdArray ids = space->entityIds();
        AcDbObjectPointer<TestMarker> marker(ids.first(), AcDb::kForRead);
        return marker->number;
    }
};

TEST_F(DrawingSaveFaultsTest, DiskFullKeepsThePreviousDrawingAndItsBackupUntouched)
{
    addMarker(database, 1);
    const std::wstring path = folder.wide("plan.dwg");
    ASSERT_EQ(database.saveAs(path.c_str(), true, AcDb::kDHL_1027), Acad::eOk);
    const std::vector<Adesk::UInt8> previous = readBytes(path);
    addMarker(database, 2);
    const cadhost::ScopedFileFaults faults({{cadhost::FileAccess::Write, "plan.dwg", ENOSPC, 64}});
    EXPECT_EQ(database.saveAs(path.c_str(), true, AcDb::kDHL_1027), Acad::eFileAccessErr);
    EXPECT_TRUE(readBytes(path) == previous);
    EXPECT_EQ(names(), std::vector<std::string>{"plan.dwg"});
}

TEST_F(DrawingSaveFaultsTest, RefusedFolderSavesNothing)
{
    addMarker(database, 1);
    const cadhost::ScopedFileFaults faults({{cadhost::FileAccess::Write, "plan.dwg", EACCES, std::nullopt}});
    EXPECT_EQ(database.saveAs(folder.wide("plan.dwg").c_str(), true, AcDb::kDHL_1027), Acad::eFileAccessErr);
    EXPECT_EQ(names(), std::vector<std::string>{});
}

TEST_F(DrawingSaveFaultsTest, SaveOverAnExistingDrawingKeepsItAsTheBackup)
{
    addMarker(database, 7);
    const std::wstring path = folder.wide("plan.dwg");
    ASSERT_EQ(database.saveAs(path.c_str(), true, AcDb::kDHL_1027), Acad::eOk);
    ASSERT_EQ(database.saveAs(path.c_str(), true, AcDb::kDHL_1027), Acad::eOk);
    EXPECT_EQ(names(), (std::vector<std::string>{"plan.bak", "plan.dwg"}));
    EXPECT_EQ(firstNumber(folder.wide("plan.bak")), 7);
}

TEST_F(DrawingSaveFaultsTest, NameOfTwoHundredAndFiftyBytesIsSaved)
{
    addMarker(database, 3);
    std::string name;
    for (int i = 0; i < 82; ++i)
        name += "纸";
    name += ".dwg";
    ASSERT_EQ(name.size(), 250u);
    const std::wstring path = cadhost::fromUtf8((folder.path() / name).string());
    ASSERT_EQ(database.saveAs(path.c_str(), true, AcDb::kDHL_1027), Acad::eOk);
    EXPECT_EQ(firstNumber(path), 3);
    EXPECT_EQ(names(), std::vector<std::string>{name});
}

} // namespace
