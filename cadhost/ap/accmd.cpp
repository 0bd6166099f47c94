#include "accmd.h"

#include <algorithm>
#include <cwctype>
#include <utility>

namespace {
bool sameName(const std::wstring& left, const ACHAR* right)
{
    return std::equal(left.begin(), left.end(), right, right + std::char_traits<ACHAR>::length(right),
                      [](ACHAR a, ACHAR b) { return std::towupper(a) == std::towupper(b); });
}

bool isEmpty(const ACHAR* text)
{
    return text == nullptr || *text == 0;
}

cadhost::CommandContext gContext = cadhost::CommandContext::kNone;
cadhost::DocumentCommandHook gDocumentHook;

// Restores the context of the enclosing command, also when a command throws.
class ContextScope {
public:
    explicit ContextScope(cadhost::CommandContext context) : m_previous(std::exchange(gContext, context)) {}
    ContextScope(const ContextScope&) = delete;
    ContextScope& operator=(const ContextScope&) = delete;
    ~ContextScope() { gContext = m_previous; }

private:
    cadhost::CommandContext m_previous;
};
} // namespace

AcEdCommand::AcEdCommand(const ACHAR* groupName, const ACHAR* globalName, const ACHAR* localName, Adesk::Int32 flags,
                         AcRxFunctionPtr function, AcEdUIContext* uiContext, int functionCode, HINSTANCE resourceHandle)
    : m_groupName(groupName), m_globalName(globalName), m_localName(localName), m_flags(flags), m_function(function),
      m_uiContext(uiContext), m_functionCode(functionCode), m_resourceHandle(resourceHandle)
{
}

struct AcEdCommandStack::Group {
    std::wstring name;
    std::vector<std::unique_ptr<AcEdCommand>> commands;

    auto findGlobal(const ACHAR* globalName)
    {
        return std::find_if(commands.begin(), commands.end(),
                            [&](const auto& command) { return sameName(command->globalName(), globalName); });
    }
};

ACRX_HOST_DEFINE_MEMBERS(AcEdCommandStack, AcRxObject, nullptr, ACRX_ABSTRACT)

AcEdCommandStack::AcEdCommandStack() = default;

AcEdCommandStack::~AcEdCommandStack() = default;

Acad::ErrorStatus AcEdCommandStack::addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName,
                                               const ACHAR* cmdLocalName, Adesk::Int32 commandFlags,
                                               AcRxFunctionPtr functionAddr, AcEdUIContext* UIContext, int fcode,
                                               HINSTANCE hResourceHandle, AcEdCommand** cmdPtrRet)
{
    if (isEmpty(cmdGroupName) || isEmpty(cmdGlobalName) || functionAddr == nullptr)
        return Acad::eInvalidInput;
    const ACHAR* localName = isEmpty(cmdLocalName) ? cmdGlobalName : cmdLocalName;
    auto group = std::find_if(m_groups.begin(), m_groups.end(),
                              [&](const auto& candidate) { return sameName(candidate->name, cmdGroupName); });
    if (group == m_groups.end())
        group = m_groups.insert(m_groups.begin(), std::make_unique<Group>(Group{cmdGroupName, {}}));
    else if ((*group)->findGlobal(cmdGlobalName) != (*group)->commands.end())
        return Acad::eDuplicateKey;
    auto& added = (*group)->commands.emplace_back(std::make_unique<AcEdCommand>((*group)->name.c_str(), cmdGlobalName,
                                                                                localName, commandFlags, functionAddr,
                                                                                UIContext, fcode, hResourceHandle));
    if (cmdPtrRet != nullptr)
        *cmdPtrRet = added.get();
    return Acad::eOk;
}

AcEdCommand* AcEdCommandStack::lookupGlobalCmd(const ACHAR* cmdName) const
{
    return lookupCmd(cmdName, true);
}

AcEdCommand* AcEdCommandStack::lookupLocalCmd(const ACHAR* cmdName) const
{
    return lookupCmd(cmdName, false);
}

AcEdCommand* AcEdCommandStack::lookupCmd(const ACHAR* cmdName, bool globalFlag) const
{
    if (isEmpty(cmdName))
        return nullptr;
    for (const auto& group : m_groups) {
        for (const auto& command : group->commands) {
            if (sameName(globalFlag ? command->globalName() : command->localName(), cmdName))
                return command.get();
        }
    }
    return nullptr;
}

Acad::ErrorStatus AcEdCommandStack::removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName)
{
    if (isEmpty(cmdGroupName) || isEmpty(cmdGlobalName))
        return Acad::eKeyNotFound;
    auto group = std::find_if(m_groups.begin(), m_groups.end(),
                              [&](const auto& candidate) { return sameName(candidate->name, cmdGroupName); });
    if (group == m_groups.end())
        return Acad::eKeyNotFound;
    auto command = (*group)->findGlobal(cmdGlobalName);
    if (command == (*group)->commands.end())
        return Acad::eKeyNotFound;
    (*group)->commands.erase(command);
    return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeGroup(const ACHAR* groupName)
{
    if (isEmpty(groupName))
        return Acad::eKeyNotFound;
    auto group = std::find_if(m_groups.begin(), m_groups.end(),
                              [&](const auto& candidate) { return sameName(candidate->name, groupName); });
    if (group == m_groups.end())
        return Acad::eKeyNotFound;
    m_groups.erase(group);
    return Acad::eOk;
}

namespace cadhost {
CommandContext currentCommandContext()
{
    return gContext;
}

DocumentCommandHook setDocumentCommandHook(DocumentCommandHook hook)
{
    return std::exchange(gDocumentHook, std::move(hook));
}

Acad::ErrorStatus runCommand(const ACHAR* name)
{
    AcEdCommandStack* stack = acedRegCmds;
    if (stack == nullptr || isEmpty(name))
        return Acad::eKeyNotFound;
    const AcEdCommand* found = name[0] == L'_' ? stack->lookupGlobalCmd(name + 1) : stack->lookupLocalCmd(name);
    if (found == nullptr && name[0] != L'_')
        found = stack->lookupGlobalCmd(name);
    if (found == nullptr)
        return Acad::eKeyNotFound;
    // A command may remove itself from the stack while it runs; what follows uses a copy.
    const AcEdCommand command = *found;
    if ((command.commandFlags() & ACRX_CMD_SESSION) != 0) {
        ContextScope scope(CommandContext::kApplication);
        command.functionAddr()();
        return Acad::eOk;
    }
    ContextScope scope(CommandContext::kDocument);
    if (gDocumentHook)
        gDocumentHook(command, command.functionAddr());
    else
        command.functionAddr()();
    return Acad::eOk;
}
} // namespace cadhost
