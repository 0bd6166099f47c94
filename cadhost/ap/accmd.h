// The host's command stack: command groups and their commands, found in the system registry under
// "ACAD_REGISTERED_COMMANDS", and how cadhost runs a command by name.
#pragma once

#include "acadstrc.h"
#include "adesk.h"
#include "rxobject.h"
#include "windef.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#define ACRX_COMMAND_DOCK ACRX_T("ACAD_REGISTERED_COMMANDS")

#define ACRX_CMD_MODAL 0x00000000
#define ACRX_CMD_TRANSPARENT 0x00000001
#define ACRX_CMD_USEPICKSET 0x00000002
#define ACRX_CMD_REDRAW 0x00000004
#define ACRX_CMD_NOMULTIPLE 0x00000010
#define ACRX_CMD_UNDEFINED 0x00000200
#define ACRX_CMD_NONEWSTACK 0x00010000
#define ACRX_CMD_NOINTERNALLOCK 0x00020000
#define ACRX_CMD_DOCREADLOCK 0x00080000
#define ACRX_CMD_DOCEXCLUSIVELOCK 0x00100000
#define ACRX_CMD_SESSION 0x00200000
#define ACRX_CMD_INTERRUPTIBLE 0x00400000
#define ACRX_CMD_NOHISTORY 0x00800000

using AcRxFunctionPtr = void (*)();
class AcEdUIContext;

class CADHOST_EXPORT AcEdCommand : public AcRxObject {
public:
    AcEdCommand(const ACHAR* groupName, const ACHAR* globalName, const ACHAR* localName, Adesk::Int32 flags,
                AcRxFunctionPtr function, AcEdUIContext* uiContext, int functionCode, HINSTANCE resourceHandle);

    AcRxFunctionPtr functionAddr() const { return m_function; }
    Adesk::Int32 commandFlags() const { return m_flags; }
    int functionCode() const { return m_functionCode; }
    const ACHAR* globalName() const { return m_globalName.c_str(); }
    const ACHAR* localName() const { return m_localName.c_str(); }
    const ACHAR* groupName() const { return m_groupName.c_str(); }
    AcEdUIContext* UIContext() const { return m_uiContext; }
    HINSTANCE resourceHandle() const { return m_resourceHandle; }

private:
    std::wstring m_groupName;
    std::wstring m_globalName;
    std::wstring m_localName;
    Adesk::Int32 m_flags;
    AcRxFunctionPtr m_function;
    AcEdUIContext* m_uiContext;
    int m_functionCode;
    HINSTANCE m_resourceHandle;
};

// Names of groups and commands compare without regard to case. The group added last is searched first.
class CADHOST_EXPORT AcEdCommandStack : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcEdCommandStack);
    AcEdCommandStack();
    ~AcEdCommandStack() override;

    // eInvalidInput for an empty group or command name or no function; eDuplicateKey when the group
    // already holds a command of that global name.
    Acad::ErrorStatus addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName, const ACHAR* cmdLocalName,
                                 Adesk::Int32 commandFlags, AcRxFunctionPtr functionAddr,
                                 AcEdUIContext* UIContext = nullptr, int fcode = -1,
                                 HINSTANCE hResourceHandle = nullptr, AcEdCommand** cmdPtrRet = nullptr);
    AcEdCommand* lookupGlobalCmd(const ACHAR* cmdName) const;
    AcEdCommand* lookupLocalCmd(const ACHAR* cmdName) const;
    AcEdCommand* lookupCmd(const ACHAR* cmdName, bool globalFlag) const;
    // eKeyNotFound when the group or the command does not exist.
    Acad::ErrorStatus removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName);
    Acad::ErrorStatus removeGroup(const ACHAR* groupName);

private:
    struct Group;
    std::vector<std::unique_ptr<Group>> m_groups;
};

#define acedRegCmds AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK))

namespace cadhost {
// Where a running command runs: session commands (ACRX_CMD_SESSION) in the application context, all
// others in the context of the current document.
enum class CommandContext { kNone, kApplication, kDocument };

// The context of the innermost running command; kNone outside commands.
CADHOST_EXPORT CommandContext currentCommandContext();

// Runs a document command's body; the document manager installs one that locks the current document
// around the body. Without a hook the body simply runs. Returns the hook it replaces, so that whoever
// installs one for a while can put the previous one back.
using DocumentCommandHook = std::function<void(const AcEdCommand& command, const std::function<void()>& body)>;
CADHOST_EXPORT DocumentCommandHook setDocumentCommandHook(DocumentCommandHook hook);

// Runs the command of that name as the host's command line does: a global name after a leading "_",
// otherwise a local name and then a global name. eKeyNotFound for an unknown command.
CADHOST_EXPORT Acad::ErrorStatus runCommand(const ACHAR* name);
} // namespace cadhost
