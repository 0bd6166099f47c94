// Registration of the module's classes: names, DXF names, parent, versions, proxy flags and the
// application description the host shows for a proxy, in registration order, across load and unload.
#include "RegisteredCustomClasses.h"
#include "entities/CustomClassRegistration.h"
#include "entities/WrapperEntities.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct ClassCase {
    const wchar_t* name;
    const wchar_t* dxfName;
    AcRxClass* (*desc)();
    AcRxClass* (*innerDesc)();
};

template <class Wrapper> ClassCase classCase(const wchar_t* name, const wchar_t* dxfName)
{
    return {name, dxfName, &Wrapper::desc, &Wrapper::InnerEntity::desc};
}

const std::vector<ClassCase>& registrationOrder()
{
    static const std::vector<ClassCase> cases = {
        classCase<AcDbPointEx>(L"AcDbPointEx", L"GPOINTEXA"),
        classCase<AcDbLineEx>(L"AcDbLineEx", L"GLINEEXA"),
        classCase<AcDbTextEx>(L"AcDbTextEx", L"GTEXTEXA"),
        classCase<AcDbMTextEx>(L"AcDbMTextEx", L"GMTEXTEXA"),
        classCase<AcDbHatchEx>(L"AcDbHatchEx", L"GHATCHEXA"),
        classCase<AcDbBlockReferenceEx>(L"AcDbBlockReferenceEx", L"GBLOCKREFERENCEEXA"),
        classCase<AcDbMlineEx>(L"AcDbMlineEx", L"GMLINEEXA"),
        classCase<AcDbArcEx>(L"AcDbArcEx", L"GARCEXA"),
        classCase<AcDbCircleEx>(L"AcDbCircleEx", L"GCIRCLEEXA"),
        classCase<AcDbEllipseEx>(L"AcDbEllipseEx", L"GELLIPSEEXA"),
        classCase<AcDbLeaderEx>(L"AcDbLeaderEx", L"GLEADEREXA"),
        classCase<AcDbPolylineEx>(L"AcDbPolylineEx", L"GPOLYLINEEXA"),
        classCase<AcDbRayEx>(L"AcDbRayEx", L"GRAYEXA"),
        classCase<AcDbSplineEx>(L"AcDbSplineEx", L"GSPLINEEXA"),
        classCase<AcDbXlineEx>(L"AcDbXlineEx", L"GXLINEEXA"),
        classCase<AcDbOrdinateDimensionEx>(L"AcDbOrdinateDimensionEx", L"GORDINATEDIMENSIONA"),
        classCase<AcDb2LineAngularDimensionEx>(L"AcDb2LineAngularDimensionEx", L"G2LINEANGULARDIMENSIONA"),
        classCase<AcDb3PointAngularDimensionEx>(L"AcDb3PointAngularDimensionEx", L"G3POINTANGULARDIMENSIONA"),
        classCase<AcDbAlignedDimensionEx>(L"AcDbAlignedDimensionEx", L"GALIGNEDDIMENSIONA"),
        classCase<AcDbDiametricDimensionEx>(L"AcDbDiametricDimensionEx", L"GDIAMETRICDIMENSIONA"),
        classCase<AcDbRadialDimensionEx>(L"AcDbRadialDimensionEx", L"GRADIALDIMENSIONA"),
        classCase<AcDbRotatedDimensionEx>(L"AcDbRotatedDimensionEx", L"GROTATEDDIMENSIONA"),
        classCase<AcDbTraceEx>(L"AcDbTraceEx", L"GTRACEA"),
        classCase<AcDbSolidEx>(L"AcDbSolidEx", L"GSOLIDA"),
        classCase<AcDb2dPolylineEx>(L"AcDb2dPolylineEx", L"G2DPOLYLINEA"),
        classCase<AcDb3dPolylineEx>(L"AcDb3dPolylineEx", L"G3DPOLYLINEA"),
    };
    return cases;
}

std::wstring wrapperDescription(const std::wstring& name)
{
    return L"\"|Product Desc:     \"" + name +
           L" \"|Company:          Tessaril Software\" \"|WEB Address:      www.tessaril.com\"";
}

AcRxClass* registered(const wchar_t* name)
{
    return static_cast<AcRxClass*>(acrxClassDictionary->at(name));
}

class WrapperClassTest : public ::testing::TestWithParam<ClassCase> {
protected:
    RegisteredCustomClasses classes;
};

TEST_P(WrapperClassTest, IsRegisteredBelowAcDbEntityWithItsNamesVersionsAndDescription)
{
    const ClassCase& c = GetParam();
    AcRxClass* rxClass = c.desc();
    ASSERT_NE(nullptr, rxClass);
    EXPECT_EQ(rxClass, registered(c.name));
    EXPECT_STREQ(c.name, rxClass->name());
    EXPECT_STREQ(c.dxfName, rxClass->dxfName());
    EXPECT_EQ(wrapperDescription(c.name), rxClass->appName());
    EXPECT_EQ(AcDbEntity::desc(), rxClass->myParent());
    EXPECT_EQ(0, rxClass->proxyFlags());
    int dwgVersion = 0;
    int maintenanceVersion = 0;
    rxClass->getClassVersion(dwgVersion, maintenanceVersion);
    EXPECT_EQ(31, dwgVersion);
    EXPECT_EQ(8, maintenanceVersion);
}

TEST_P(WrapperClassTest, CreatesWrappersThatAreNotOfTheirInnerClass)
{
    const ClassCase& c = GetParam();
    std::unique_ptr<AcRxObject> created(c.desc()->create());
    ASSERT_NE(nullptr, created);
    EXPECT_EQ(c.desc(), created->isA());
    EXPECT_TRUE(created->isKindOf(AcDbEntity::desc()));
    EXPECT_FALSE(created->isKindOf(c.innerDesc()));
    EXPECT_FALSE(c.desc()->isDerivedFrom(c.innerDesc()));
}

INSTANTIATE_TEST_SUITE_P(AllWrappers, WrapperClassTest, ::testing::ValuesIn(registrationOrder()),
                         [](const ::testing::TestParamInfo<ClassCase>& info) {
                             std::wstring name = info.param.name;
                             return std::string(name.begin(), name.end());
                         });

std::vector<std::wstring>& deletedClasses()
{
    static std::vector<std::wstring> names;
    return names;
}

TEST(CustomClassesTest, DeletesTheClassesInRegistrationOrder)
{
    static const bool listening = [] {
        acrxAddClassDeletionListener([](AcRxClass* rxClass) { deletedClasses().emplace_back(rxClass->name()); });
        return true;
    }();
    ASSERT_TRUE(listening);
    registerCustomClasses();
    deletedClasses().clear();
    deleteCustomClasses();
    std::vector<std::wstring> expected;
    for (const ClassCase& c : registrationOrder())
        expected.emplace_back(c.name);
    expected.emplace_back(L"AcDbWatermark");
    EXPECT_EQ(expected, deletedClasses());
    for (const ClassCase& c : registrationOrder())
        EXPECT_EQ(nullptr, registered(c.name)) << std::wstring(c.name);
}

TEST(CustomClassesTest, SecondRegistrationChangesNothing)
{
    RegisteredCustomClasses classes;
    std::vector<AcRxClass*> first;
    for (const ClassCase& c : registrationOrder())
        first.push_back(registered(c.name));
    registerCustomClasses();
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i], registered(registrationOrder()[i].name));
        EXPECT_EQ(first[i], registrationOrder()[i].desc());
    }
}

TEST(CustomClassesTest, RegistersAgainAfterAnUnload)
{
    registerCustomClasses();
    deleteCustomClasses();
    RegisteredCustomClasses again;
    for (const ClassCase& c : registrationOrder()) {
        AcRxClass* rxClass = registered(c.name);
        ASSERT_NE(nullptr, rxClass) << std::wstring(c.name);
        EXPECT_EQ(rxClass, c.desc());
        EXPECT_STREQ(c.dxfName, rxClass->dxfName());
        EXPECT_EQ(AcDbEntity::desc(), rxClass->myParent());
    }
}

// The host may send the unload message without a load before it; nothing is deleted twice.
TEST(CustomClassesTest, SecondUnloadDeletesNothingAndTheDescriptorsStayNull)
{
    registerCustomClasses();
    deleteCustomClasses();
    deleteCustomClasses();
    for (const ClassCase& c : registrationOrder())
        EXPECT_EQ(nullptr, c.desc()) << std::wstring(c.name);
    AcDbLineEx unregistered;
    EXPECT_EQ(nullptr, unregistered.isA());
    RegisteredCustomClasses again;
    EXPECT_EQ(registered(L"AcDbLineEx"), AcDbLineEx::desc());
}

TEST(CustomClassesTest, AnotherClassUnderAWrapperNameStopsTheHost)
{
    RegisteredCustomClasses classes;
    // Ours leaves the dictionary but stays alive, so the other class cannot take its address.
    std::unique_ptr<AcRxObject> ours(acrxClassDictionary->remove(L"AcDbLineEx"));
    ASSERT_EQ(AcDbLineEx::desc(), ours.get());
    AcRxClass* foreign = newAcRxClass(L"AcDbLineEx", L"AcDbEntity");
    ASSERT_NE(nullptr, foreign);
    try {
        registerCustomClasses();
        ADD_FAILURE() << "registration went on";
    } catch (const AcRxAbort& abort) {
        EXPECT_EQ(L"Class mismatch", abort.message);
    }
    deleteAcRxClass(foreign);
    acrxClassDictionary->atPut(L"AcDbLineEx", ours.release());
    registerCustomClasses();
    EXPECT_EQ(AcDbLineEx::desc(), registered(L"AcDbLineEx"));
}

TEST(CustomClassDescriptionTest, WatermarkKeepsItsNameInsideTheFirstSegment)
{
    EXPECT_EQ(L"\"|Product Desc:     AcDbWatermark\" \"|Company:          Tessaril Software\" "
              L"\"|WEB Address:      www.tessaril.com\"",
              customClassDescription(L"AcDbWatermark", GClassNamePlacement::kInsideFirstSegment));
}

} // namespace
