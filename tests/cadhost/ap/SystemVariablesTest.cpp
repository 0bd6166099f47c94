#include "DocumentTestSupport.h"
#include "acedads.h"
#include "acutads.h"

namespace {
class SystemVariablesTest : public DocumentFixture {
protected:
    void SetUp() override
    {
        source = folder / "plan.dwg";
        saveDrawing(source, [](AcDbDatabase& database) {
            appendToModelSpace(database, new AcDbLine(AcGePoint3d(-5, 2, 0), AcGePoint3d(10, 7, 0)));
            appendToModelSpace(database, new AcDbCircle(AcGePoint3d(20, 0, 0), AcGeVector3d::kZAxis, 3));
        });
    }

    static AcGePoint3d point(const ACHAR* name)
    {
        resbuf value{};
        EXPECT_EQ(acedGetVar(name, &value), RTNORM);
        EXPECT_EQ(value.restype, RT3DPOINT);
        return {value.resval.rpoint[0], value.resval.rpoint[1], value.resval.rpoint[2]};
    }

    static int shortValue(const ACHAR* name)
    {
        resbuf value{};
        EXPECT_EQ(acedGetVar(name, &value), RTNORM);
        EXPECT_EQ(value.restype, RTSHORT);
        return value.resval.rint;
    }

    static std::wstring stringValue(const ACHAR* name)
    {
        resbuf value{};
        EXPECT_EQ(acedGetVar(name, &value), RTNORM);
        EXPECT_EQ(value.restype, RTSTR);
        std::wstring text = value.resval.rstring != nullptr ? value.resval.rstring : L"";
        acutDelString(value.resval.rstring);
        return text;
    }

    std::filesystem::path source;
};

TEST_F(SystemVariablesTest, ViewDefaultsToTheModelSpaceExtents)
{
    open(source);

    EXPECT_TRUE(point(L"vsmin").isEqualTo(AcGePoint3d(-5, -3, 0)));
    EXPECT_TRUE(point(L"VSMAX").isEqualTo(AcGePoint3d(23, 7, 0)));
}

TEST_F(SystemVariablesTest, ViewFollowsTheDocumentsView)
{
    AcApDocument* document = open(source);
    document->setModelView(AcGePoint3d(1, 2, 0), AcGePoint3d(3, 4, 0));

    EXPECT_TRUE(point(L"VSMIN").isEqualTo(AcGePoint3d(1, 2, 0)));
    EXPECT_TRUE(point(L"VSMAX").isEqualTo(AcGePoint3d(3, 4, 0)));
}

TEST_F(SystemVariablesTest, EmptyModelSpaceShowsTheDefaultLimits)
{
    saveDrawing(folder / "empty.dwg", [](AcDbDatabase&) {});
    open(folder / "empty.dwg");

    EXPECT_TRUE(point(L"VSMIN").isEqualTo(AcGePoint3d(0, 0, 0)));
    EXPECT_TRUE(point(L"VSMAX").isEqualTo(AcGePoint3d(12, 9, 0)));
}

TEST_F(SystemVariablesTest, TilemodeComesFromTheDatabaseAndCanBeSet)
{
    AcApDocument* document = open(source);
    EXPECT_EQ(shortValue(L"TILEMODE"), 1);
    EXPECT_EQ(stringValue(L"CTAB"), L"Model");

    resbuf off{};
    off.restype = RTSHORT;
    off.resval.rint = 0;
    ASSERT_EQ(acedSetVar(L"tilemode", &off), RTNORM);

    EXPECT_FALSE(document->database()->tilemode());
    EXPECT_EQ(shortValue(L"TILEMODE"), 0);
    EXPECT_EQ(stringValue(L"CTAB"), L"Layout1");
}

TEST_F(SystemVariablesTest, CurrentTabSwitchesBetweenModelAndALayout)
{
    AcApDocument* document = open(source);
    resbuf tab{};
    tab.restype = RTSTR;
    std::wstring name = L"layout1";
    tab.resval.rstring = name.data();
    ASSERT_EQ(acedSetVar(L"CTAB", &tab), RTNORM);
    EXPECT_FALSE(document->database()->tilemode());

    name = L"Model";
    tab.resval.rstring = name.data();
    ASSERT_EQ(acedSetVar(L"CTAB", &tab), RTNORM);
    EXPECT_TRUE(document->database()->tilemode());

    name = L"NoSuchLayout";
    tab.resval.rstring = name.data();
    EXPECT_EQ(acedSetVar(L"CTAB", &tab), RTREJ);
}

TEST_F(SystemVariablesTest, ReadOnlyUnknownAndMistypedValuesAreRefused)
{
    open(source);
    resbuf point{};
    point.restype = RT3DPOINT;
    resbuf text{};
    text.restype = RTSTR;
    resbuf outOfRange{};
    outOfRange.restype = RTSHORT;
    outOfRange.resval.rint = 2;
    resbuf value{};

    EXPECT_EQ(acedSetVar(L"VSMIN", &point), RTREJ);
    EXPECT_EQ(acedSetVar(L"TILEMODE", &text), RTREJ);
    EXPECT_EQ(acedSetVar(L"TILEMODE", &outOfRange), RTREJ);
    EXPECT_EQ(acedSetVar(L"NOSUCHVAR", &outOfRange), RTERROR);
    EXPECT_EQ(acedGetVar(L"NOSUCHVAR", &value), RTERROR);
    EXPECT_EQ(acedGetVar(nullptr, &value), RTERROR);
}

TEST_F(SystemVariablesTest, DbmodFollowsTheModifiedFlag)
{
    AcApDocument* document = open(source);
    acdbSetDbmod(document->database(), 1);
    EXPECT_EQ(shortValue(L"DBMOD"), 1);
    acdbSetDbmod(document->database(), 0);
    EXPECT_EQ(shortValue(L"DBMOD"), 0);
}

TEST(SystemVariablesWithoutDrawingTest, NothingIsReadWithoutADrawing)
{
    resbuf value{};
    EXPECT_EQ(acedGetVar(L"TILEMODE", &value), RTERROR);
}
} // namespace
