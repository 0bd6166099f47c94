// Protected drawings that once made a wrapper's reading misbehave, kept as files in fuzz/regressions:
// opened with the module's classes registered, each is refused with the status given here.
#include "RegisteredCustomClasses.h"

#include "dbmain.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

std::wstring regressionDrawing(const std::string& name)
{
    return (std::filesystem::path(TESSARIL_SOURCE_DIR) / "fuzz" / "regressions" / "protected_drawing_fuzzer" / name)
        .wstring();
}

// A hatch wrapper whose recording stores the hatch style 127, which names no style.
TEST(DamagedProtectedDrawingTest, HatchStyleOutOfRangeIsRefused)
{
    const RegisteredCustomClasses classes;
    AcDbDatabase database(false, true);
    EXPECT_EQ(database.readDwgFile(regressionDrawing("hatch-style-out-of-range.dwg").c_str()),
              Acad::eDwgObjectImproperlyRead);
}

} // namespace
