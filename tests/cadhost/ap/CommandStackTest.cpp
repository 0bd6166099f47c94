#include "accmd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::wstring> gCalls;

void first()
{
    gCalls.emplace_back(L"first");
}

void second()
{
    gCalls.emplace_back(L"second");
}

void recordContext()
{
    gCalls.emplace_back(cadhost::currentCommandContext() == cadhost::CommandContext::kApplication ? L"application"
                                                                                                  : L"document");
}

void removeOwnGroup()
{
    acedRegCmds->removeGroup(L"TESTS");
    gCalls.emplace_back(L"removed");
}

class CommandStackTest : public testing::Test {
protected:
    // Commands here run without the document manager's locking, whichever test installed it before.
    void SetUp() override
    {
        gCalls.clear();
        m_previousHook = cadhost::setDocumentCommandHook(nullptr);
    }
    void TearDown() override
    {
        acedRegCmds->removeGroup(L"TESTS");
        acedRegCmds->removeGroup(L"OTHER");
        cadhost::setDocumentCommandHook(std::move(m_previousHook));
    }

    cadhost::DocumentCommandHook m_previousHook;
};

TEST_F(CommandStackTest, IsRegisteredInTheSystemRegistry)
{
    AcRxObject* registered = acrxSysRegistry()->at(L"ACAD_REGISTERED_COMMANDS");
    ASSERT_NE(registered, nullptr);
    EXPECT_EQ(acedRegCmds, registered);
    EXPECT_TRUE(registered->isKindOf(AcEdCommandStack::desc()));
}

TEST_F(CommandStackTest, AddedCommandKeepsItsAttributes)
{
    AcEdCommand* added = nullptr;
    ASSERT_EQ(acedRegCmds->addCommand(L"TESTS", L"first", L"erste", ACRX_CMD_SESSION | ACRX_CMD_NONEWSTACK, first,
                                      nullptr, -1, nullptr, &added),
              Acad::eOk);
    ASSERT_NE(added, nullptr);
    EXPECT_STREQ(added->globalName(), L"first");
    EXPECT_STREQ(added->localName(), L"erste");
    EXPECT_STREQ(added->groupName(), L"TESTS");
    EXPECT_EQ(added->commandFlags(), 0x210000);
    EXPECT_EQ(added->functionCode(), -1);
    EXPECT_EQ(added->functionAddr(), &first);
    EXPECT_EQ(added->UIContext(), nullptr);
    EXPECT_EQ(added->resourceHandle(), nullptr);
}

TEST_F(CommandStackTest, LookupIgnoresCaseAndSeparatesGlobalAndLocalNames)
{
    ASSERT_EQ(acedRegCmds->addCommand(L"TESTS", L"first", L"erste", ACRX_CMD_MODAL, first), Acad::eOk);
    EXPECT_NE(acedRegCmds->lookupGlobalCmd(L"FIRST"), nullptr);
    EXPECT_NE(acedRegCmds->lookupLocalCmd(L"Erste"), nullptr);
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"erste"), nullptr);
    EXPECT_EQ(acedRegCmds->lookupLocalCmd(L"first"), nullptr);
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"none"), nullptr);
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(nullptr), nullptr);
}

TEST_F(CommandStackTest, LocalNameDefaultsToTheGlobalName)
{
    ASSERT_EQ(acedRegCmds->addCommand(L"TESTS", L"first", nullptr, ACRX_CMD_MODAL, first), Acad::eOk);
    EXPECT_STREQ(acedRegCmds->lookupLocalCmd(L"first")->localName(), L"first");
}

TEST_F(CommandStackTest, RefusesDuplicatesWithinAGroupOnly)
{
    ASSERT_EQ(acedRegCmds->addCommand(L"TESTS", L"first", L"first", ACRX_CMD_MODAL, first), Acad::eOk);
    EXPECT_EQ(acedRegCmds->addCommand(L"tests", L"FIRST", L"FIRST", ACRX_CMD_MODAL, second), Acad::eDuplicateKey);
    EXPECT_EQ(acedRegCmds->addCommand(L"OTHER", L"first", L"first", ACRX_CMD_MODAL, second), Acad::eOk);
    // The group added last is searched first.
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"first")->functionAddr(), &second);
}

TEST_F(CommandStackTest, RefusesIncompleteCommands)
{
    EXPECT_EQ(acedRegCmds->addCommand(L"", L"first", L"first", ACRX_CMD_MODAL, first), Acad::eInvalidInput);
    EXPECT_EQ(acedRegCmds->addCommand(L"TESTS", nullptr, L"first", ACRX_CMD_MODAL, first), Acad::eInvalidInput);
    EXPECT_EQ(acedRegCmds->addCommand(L"TESTS", L"first", L"first", ACRX_CMD_MODAL, nullptr), Acad::eInvalidInput);
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"first"), nullptr);
}

TEST_F(CommandStackTest, RemovesOneCommand)
{
    ASSERT_EQ(acedRegCmds->addCommand(L"TESTS", L"first", L"first", ACRX_CMD_MODAL, first), Acad::eOk);
    ASSERT_EQ(acedRegCmds->addCommand(L"TESTS", L"second", L"second", ACRX_CMD_MODAL, second), Acad::eOk);
    EXPECT_EQ(acedRegCmds->removeCmd(L"tests", L"FIRST"), Acad::eOk);
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"first"), nullptr);
    EXPECT_NE(acedRegCmds->lookupGlobalCmd(L"second"), nullptr);
    EXPECT_EQ(acedRegCmds->removeCmd(L"TESTS", L"first"), Acad::eKeyNotFound);
    EXPECT_EQ(acedRegCmds->removeCmd(L"NOGROUP", L"second"), Acad::eKeyNotFound);
}

TEST_F(CommandStackTest, RemovesAWholeGroup)
{
    ASSERT_EQ(acedRegCmds->addCommand(L"TESTS", L"first", L"first", ACRX_CMD_MODAL, first), Acad::eOk);
    ASSERT_EQ(acedRegCmds->addCommand(L"TESTS", L"second", L"second", ACRX_CMD_MODAL, second), Acad::eOk);
    EXPECT_EQ(acedRegCmds->removeGroup(L"Tests"), Acad::eOk);
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"first"), nullptr);
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"second"), nullptr);
    EXPECT_EQ(acedRegCmds->removeGroup(L"TESTS"), Acad::eKeyNotFound);
}

TEST_F(CommandStackTest, RunsACommandByLocalOrGlobalName)
{
    ASSERT_EQ(acedRegCmds->addCommand(L"TESTS", L"first", L"erste", ACRX_CMD_MODAL, first), Acad::eOk);
    EXPECT_EQ(cadhost::runCommand(L"ERSTE"), Acad::eOk);
    EXPECT_EQ(cadhost::runCommand(L"first"), Acad::eOk);
    EXPECT_EQ(cadhost::runCommand(L"_First"), Acad::eOk);
    EXPECT_EQ(cadhost::runCommand(L"_erste"), Acad::eKeyNotFound);
    EXPECT_EQ(cadhost::runCommand(L"none"), Acad::eKeyNotFound);
    EXPECT_EQ(cadhost::runCommand(L""), Acad::eKeyNotFound);
    EXPECT_EQ(gCalls, (std::vector<std::wstring>{L"first", L"first", L"first"}));
}

TEST_F(CommandStackTest, SessionCommandsRunInTheApplicationContext)
{
    ASSERT_EQ(acedRegCmds->addCommand(L"TESTS", L"session", L"session", ACRX_CMD_SESSION, recordContext), Acad::eOk);
    ASSERT_EQ(acedRegCmds->addCommand(L"TESTS", L"modal", L"modal", ACRX_CMD_MODAL, recordContext), Acad::eOk);
    EXPECT_EQ(cadhost::runCommand(L"session"), Acad::eOk);
    EXPECT_EQ(cadhost::runCommand(L"modal"), Acad::eOk);
    EXPECT_EQ(gCalls, (std::vector<std::wstring>{L"application", L"document"}));
    EXPECT_EQ(cadhost::currentCommandContext(), cadhost::CommandContext::kNone);
}

TEST_F(CommandStackTest, DocumentHookWrapsOnlyDocumentCommands)
{
    cadhost::setDocumentCommandHook([](const AcEdCommand& command, const std::function<void()>& body) {
        gCalls.push_back(std::wstring(L"lock ") + command.globalName());
        body();
        gCalls.emplace_back(L"unlock");
    });
    ASSERT_EQ(acedRegCmds->addCommand(L"TESTS", L"session", L"session", ACRX_CMD_SESSION, recordContext), Acad::eOk);
    ASSERT_EQ(acedRegCmds->addCommand(L"TESTS", L"modal", L"modal", ACRX_CMD_MODAL, recordContext), Acad::eOk);
    EXPECT_EQ(cadhost::runCommand(L"modal"), Acad::eOk);
    EXPECT_EQ(cadhost::runCommand(L"session"), Acad::eOk);
    EXPECT_EQ(gCalls, (std::vector<std::wstring>{L"lock modal", L"document", L"unlock", L"application"}));
}

TEST_F(CommandStackTest, ACommandMayRemoveItsOwnGroupWhileRunning)
{
    ASSERT_EQ(acedRegCmds->addCommand(L"TESTS", L"remove", L"remove", ACRX_CMD_SESSION, removeOwnGroup), Acad::eOk);
    EXPECT_EQ(cadhost::runCommand(L"remove"), Acad::eOk);
    EXPECT_EQ(gCalls, (std::vector<std::wstring>{L"removed"}));
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"remove"), nullptr);
}
} // namespace
