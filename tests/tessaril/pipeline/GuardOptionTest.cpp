// The job options record and the rule that decides which kind switch governs an entity.
#include "pipeline/GGuardOption.h"

#include "dbblkref.h"
#include "dbdim.h"
#include "dbents.h"
#include "dbhatch.h"
#include "dblead.h"
#include "dbmline.h"
#include "dbmtext.h"
#include "dbpl.h"
#include "dbtext.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct KindCase {
    const char* name;
    std::function<AcDbEntity*()> make;
    GGuardTypeFlags::Kind kind;
};

class KindRuleTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(KindRuleTest, OnlyTheGoverningSwitchSelectsTheEntity)
{
    const std::unique_ptr<AcDbEntity> entity(GetParam().make());
    EXPECT_EQ(governingKind(entity.get()), GetParam().kind);
    for (int bit = 0; bit < GGuardTypeFlags::kCount; ++bit) {
        GGuardTypeFlags flags;
        flags.applyMask(1u << bit);
        EXPECT_EQ(isKindSelected(entity.get(), flags), bit == GetParam().kind) << "bit " << bit;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Classes, KindRuleTest,
    ::testing::Values(
        KindCase{"Line", [] { return new AcDbLine(); }, GGuardTypeFlags::kCurves},
        KindCase{"LeaderCountsAsCurve", [] { return new AcDbLeader(); }, GGuardTypeFlags::kCurves},
        KindCase{"Polyline", [] { return new AcDbPolyline(); }, GGuardTypeFlags::kCurves},
        KindCase{"Text", [] { return new AcDbText(); }, GGuardTypeFlags::kTexts},
        KindCase{"MText", [] { return new AcDbMText(); }, GGuardTypeFlags::kTexts},
        KindCase{"AttributeDefinitionCountsAsText", [] { return new AcDbAttributeDefinition(); },
                 GGuardTypeFlags::kTexts},
        KindCase{"Attribute", [] { return new AcDbAttribute(); }, GGuardTypeFlags::kTexts},
        KindCase{"RotatedDimension", [] { return new AcDbRotatedDimension(); }, GGuardTypeFlags::kDimensions},
        KindCase{"Hatch", [] { return new AcDbHatch(); }, GGuardTypeFlags::kHatches},
        KindCase{"BlockReference", [] { return new AcDbBlockReference(); }, GGuardTypeFlags::kBlockReferences},
        KindCase{"Point", [] { return new AcDbPoint(); }, GGuardTypeFlags::kOthers},
        KindCase{"Multiline", [] { return new AcDbMline(); }, GGuardTypeFlags::kOthers}),
    [](const ::testing::TestParamInfo<KindCase>& info) { return std::string(info.param.name); });

TEST(GuardTypeFlagsTest, MaskBitsAboveSevenAreIgnored)
{
    GGuardTypeFlags flags;
    flags.applyMask(0x1FF);
    EXPECT_TRUE(flags.curves && flags.texts && flags.blockReferences && flags.blockDefinitions &&
                flags.unusedBlockDefinitions && flags.hatches && flags.dimensions && flags.others);
    EXPECT_EQ(flags.mask(), 0xFFu);
}

TEST(GuardTypeFlagsTest, MaskFollowsTheSwitchOrder)
{
    GGuardTypeFlags flags;
    flags.texts = true;
    flags.hatches = true;
    EXPECT_EQ(flags.mask(), 0x22u);
    flags.applyMask(0x48);
    EXPECT_FALSE(flags.texts);
    EXPECT_TRUE(flags.blockDefinitions);
    EXPECT_TRUE(flags.dimensions);
}

TEST(GuardOptionTest, FreshRecordKeepsVersionsAndTreeAndConvertsNothing)
{
    const GGuardOption option;
    EXPECT_EQ(option.outputVersion, 32766);
    EXPECT_TRUE(option.keepFolderTree);
    EXPECT_FALSE(option.pack);
    EXPECT_EQ(CString(option.archiveType), CString(L"zip"));
    EXPECT_EQ(option.kindFlags.mask(), 0u);
    EXPECT_EQ(option.sourcePaths.GetSize(), 0);
}

TEST(GuardOptionTest, CopyDoesNotShareListsWithTheOriginal)
{
    GGuardOption dialog;
    dialog.sourcePaths.Add(L"/a/plan.dwg");
    dialog.listedSizes.push_back(4096);
    dialog.kindFlags.curves = true;
    GGuardOption batch = dialog;
    dialog.sourcePaths[0] = L"/b/other.dwg";
    dialog.listedSizes[0] = 1;
    EXPECT_EQ(CString(batch.sourcePaths[0]), CString(L"/a/plan.dwg"));
    EXPECT_EQ(batch.listedSizes[0], 4096u);
    EXPECT_TRUE(batch.kindFlags.curves);
}

} // namespace
