// A database with test markers in model space, and saving and reopening it through a file.
#pragma once

#include "DbTestClasses.h"
#include "ScopedTempFolder.h"
#include "dbobjptr.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <vector>

class DrawingFixture : public ::testing::Test {
protected:
    AcDbObjectId addMarker(AcDbDatabase& target, int number, const std::wstring& label = L"")
    {
        AcDbBlockTableRecordPointer space(target.modelSpaceId(), AcDb::kForWrite);
        auto* marker = new TestMarker();
        marker->number = number;
        marker->label = label;
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, space->appendAcDbEntity(id, marker));
        marker->close();
        return id;
    }

    std::wstring save(AcDbDatabase& source, const std::string& name = "drawing.dwg",
                      AcDb::AcDbDwgVersion version = AcDb::kDHL_1027)
    {
        std::wstring path = folder.wide(name);
        EXPECT_EQ(Acad::eOk, source.saveAs(path.c_str(), false, version));
        return path;
    }

    std::unique_ptr<AcDbDatabase> open(const std::wstring& path, Acad::ErrorStatus expected = Acad::eOk)
    {
        auto opened = std::make_unique<AcDbDatabase>(false, true);
        EXPECT_EQ(expected, opened->readDwgFile(path.c_str()));
        return opened;
    }

    std::unique_ptr<AcDbDatabase> reopen(AcDbDatabase& source) { return open(save(source)); }

    static std::vector<Adesk::UInt8> readBytes(const std::wstring& path)
    {
        std::ifstream stream(std::filesystem::path(path), std::ios::binary);
        return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    }

    static void writeBytes(const std::wstring& path, const std::vector<Adesk::UInt8>& bytes)
    {
        std::ofstream stream(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
        stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    TestClassesRegistered classes;
    ScopedTempFolder folder;
    AcDbDatabase database;
};
