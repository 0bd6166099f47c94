// A batch of fifty drawings: every one is protected, the sources stay as they were, no temporary copy
// and no document outlives the batch, and (under the sanitizer build) nothing leaks.
#include "BatchFixture.h"

#include <gmock/gmock.h>

namespace {

constexpr int kDrawings = 50;

class LongBatchTest : public BatchFixture {};

TEST_F(LongBatchTest, FiftyDrawingsAreAllProtectedAndPacked)
{
    for (int i = 0; i < kDrawings; ++i)
        addDrawing("folder " + std::to_string(i % 5) + "/drawing " + std::to_string(i) + ".dwg");
    GuardOption.pack = true;
    // The smallest watermark grid keeps the drawing work, and so the sanitizer run, short.
    GuardOption.copyright.rows = 2;
    GuardOption.copyright.columns = 2;
    runExpecting(L"加密50个文件全部成功");

    ASSERT_EQ(FileResults.GetSize(), kDrawings);
    for (int i = 0; i < kDrawings; ++i)
        EXPECT_TRUE(isProtected(m_output / ("drawing " + std::to_string(i) + ".dwg"))) << i;
    EXPECT_EQ(treeNames(m_output).size(), static_cast<std::size_t>(kDrawings + 2));
    EXPECT_THAT(cadhost::waitForStartedProcesses(), ::testing::ElementsAre(0));
    const testsupport::ProcessResult listing =
        testsupport::runProcess({"/usr/bin/bsdtar", "-tf", (m_work / "send" / "job1.zip").string()});
    EXPECT_EQ(std::count(listing.out.begin(), listing.out.end(), '\n'), kDrawings + 2);
    expectSourcesUntouchedAndNoCopiesLeft();
}

} // namespace
