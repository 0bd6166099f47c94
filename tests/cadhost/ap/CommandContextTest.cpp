#include "DocumentTestSupport.h"
#include "accmd.h"

namespace {
constexpr const ACHAR* kGroup = L"DOCUMENT_CONTEXT_TESTS";

struct Seen {
    bool applicationContext = false;
    AcApDocument* current = nullptr;
    AcAp::DocLockMode lockMode = AcAp::kNone;
    Acad::ErrorStatus openStatus = Acad::eOk;
    std::wstring openPath;
};
Seen gSeen;

void observe()
{
    gSeen.applicationContext = acDocManager->isApplicationContext();
    gSeen.current = acDocManager->curDocument();
    gSeen.lockMode = gSeen.current != nullptr ? gSeen.current->lockMode() : AcAp::kNone;
    gSeen.openStatus = acDocManager->appContextOpenDocument(gSeen.openPath.c_str());
}

struct CommandCase {
    const char* name;
    Adesk::Int32 flags;
    bool applicationContext;
    AcAp::DocLockMode lockMode;
    Acad::ErrorStatus openStatus;
};

class CommandContextTest : public DocumentFixture, public ::testing::WithParamInterface<CommandCase> {
protected:
    void SetUp() override
    {
        source = folder / "plan.dwg";
        saveLines(source, 1);
        gSeen = Seen{};
        gSeen.openPath = source.wstring();
    }
    void TearDown() override
    {
        acedRegCmds->removeGroup(kGroup);
        DocumentFixture::TearDown();
    }

    std::filesystem::path source;
};

TEST_P(CommandContextTest, CommandRunsInTheContextItsFlagsAskFor)
{
    const CommandCase& command = GetParam();
    AcApDocument* document = open(source);
    ASSERT_EQ(acedRegCmds->addCommand(kGroup, L"OBSERVE", L"OBSERVE", command.flags, observe), Acad::eOk);

    ASSERT_EQ(cadhost::runCommand(L"OBSERVE"), Acad::eOk);

    EXPECT_EQ(gSeen.applicationContext, command.applicationContext);
    EXPECT_EQ(gSeen.current, document);
    EXPECT_EQ(gSeen.lockMode, command.lockMode);
    EXPECT_EQ(gSeen.openStatus, command.openStatus);
    EXPECT_EQ(document->lockMode(), AcAp::kNotLocked);
    EXPECT_TRUE(acDocManager->isApplicationContext());
}

INSTANTIATE_TEST_SUITE_P(
    Flags, CommandContextTest,
    ::testing::Values(CommandCase{"session", ACRX_CMD_SESSION, true, AcAp::kNotLocked, Acad::eOk},
                      CommandCase{"modal", ACRX_CMD_MODAL, false, AcAp::kWrite, Acad::eInvalidContext},
                      CommandCase{"readLock", ACRX_CMD_DOCREADLOCK, false, AcAp::kRead, Acad::eInvalidContext},
                      CommandCase{"exclusive", ACRX_CMD_DOCEXCLUSIVELOCK, false, AcAp::kXWrite, Acad::eInvalidContext},
                      CommandCase{"noLock", ACRX_CMD_NOINTERNALLOCK, false, AcAp::kNotLocked, Acad::eInvalidContext}),
    [](const auto& info) { return std::string(info.param.name); });

void closeCurrent()
{
    gSeen.openStatus = acDocManager->closeDocument(acDocManager->curDocument());
}

class CloseFromCommandTest : public DocumentFixture {};

TEST_F(CloseFromCommandTest, CurrentDocumentIsNotClosedFromItsOwnCommand)
{
    saveLines(folder / "plan.dwg", 1);
    open(folder / "plan.dwg");
    ASSERT_EQ(acedRegCmds->addCommand(kGroup, L"CLOSECURRENT", L"CLOSECURRENT", ACRX_CMD_NOINTERNALLOCK, closeCurrent),
              Acad::eOk);

    ASSERT_EQ(cadhost::runCommand(L"CLOSECURRENT"), Acad::eOk);
    acedRegCmds->removeGroup(kGroup);

    EXPECT_EQ(gSeen.openStatus, Acad::eInvalidContext);
    EXPECT_EQ(acDocManager->documentCount(), 1);
}
} // namespace
