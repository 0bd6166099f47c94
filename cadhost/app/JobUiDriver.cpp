#include "JobUiDriver.h"

#include "DialogUser.h"
#include "afxdialog.h"

#include <algorithm>
#include <array>
#include <utility>

namespace cadhost::app {
namespace {

constexpr UINT kMainDialog = 102;
constexpr UINT kFilePage = 103;
constexpr UINT kKindsPage = 104;
constexpr UINT kCopyrightPage = 105;
constexpr UINT kOverwriteDialog = 111;

constexpr UINT kTab = 100;
constexpr int kFilesTab = 0;
constexpr int kCopyrightTab = 1;
constexpr int kKindsTab = 2;

// File page.
constexpr int kFolderSubTab = 1;
constexpr UINT kAddFiles = 103;
constexpr UINT kResultFolder = 105;
constexpr UINT kBrowseSourceFolder = 108;
constexpr UINT kKeepTree = 109;
constexpr UINT kPack = 110;
constexpr UINT kArchiveType = 133;
constexpr UINT kSaveType = 147;

// Kinds page: the boxes in the order of the kind switches.
constexpr std::array<UINT, 8> kKindBoxes = {107, 108, 109, 110, 114, 111, 112, 113};
constexpr UINT kPresets = 145;

// Copyright page.
constexpr UINT kOwnerText = 105;
constexpr UINT kUserText = 106;
constexpr UINT kExtraLines = 111;
constexpr std::array<UINT, 8> kNoteFlagBoxes = {107, 108, 109, 110, 112, 113, 114, 115};
constexpr UINT kRows = 133;
constexpr UINT kColumns = 134;

// Overwrite question.
constexpr UINT kOverwrite = 136;
constexpr UINT kRename = 137;
constexpr UINT kApplyToRest = 107;

const std::wstring kCreateQuestion = L"结果文件目录不存在，是否创建？";
const std::wstring kSummaryStart = L"加密";
const std::wstring kAllSucceeded = L"全部成功";

std::wstring saveTypeText(const std::wstring& type)
{
    return type == L"keep" ? L"保持原有类型" : L"AutoCAD " + type + L"/LT" + type + L" 图形";
}

bool endsWith(const std::wstring& text, const std::wstring& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

JobUiDriver::JobUiDriver(const JobDescription& job, Printer print) : m_job(job), m_print(std::move(print))
{
}

bool JobUiDriver::everyDrawingProtected() const
{
    return !m_failure && m_summary && endsWith(*m_summary, kAllSucceeded);
}

void JobUiDriver::fail(const std::wstring& why)
{
    if (!m_failure)
        m_failure = why;
}

void JobUiDriver::runModal(CDialog& dialog)
{
    DialogUser user(dialog);
    try {
        switch (user.templateId()) {
        case kMainDialog:
            fillMainDialog(user);
            break;
        case kOverwriteDialog:
            answerOverwriteQuestion(user);
            break;
        default:
            fail(L"the job does not know the dialog \"" + user.caption() + L"\"");
            break;
        }
    } catch (const UiScriptError& error) {
        fail(L"the dialog \"" + user.caption() + L"\" could not be filled: " + error.text());
    }
    if (!user.hasEnded())
        user.pressEscape();
}

void JobUiDriver::fillMainDialog(DialogUser& user)
{
    DialogUser tabs = user.ownControls();
    DialogUser files = user.page(kFilePage);
    fillFilePage(files);
    tabs.select(kTab, kKindsTab);
    DialogUser kinds = user.page(kKindsPage);
    fillKindsPage(kinds);
    tabs.select(kTab, kCopyrightTab);
    DialogUser notes = user.page(kCopyrightPage);
    fillCopyrightPage(notes);
    tabs.select(kTab, kFilesTab);

    m_lastMessage.clear();
    user.pressEnter();
    if (!user.hasEnded())
        fail(L"the main dialog refused the job" + (m_lastMessage.empty() ? L"" : L": " + m_lastMessage));
}

void JobUiDriver::fillFilePage(DialogUser& user)
{
    if (m_job.folderMode) {
        user.ownControls().select(kTab, kFolderSubTab);
        m_folderAnswer = m_job.sources.front();
        user.click(kBrowseSourceFolder);
        if (m_job.keepTree)
            user.setChecked(kKeepTree, *m_job.keepTree);
        if (m_job.pack)
            user.setChecked(kPack, *m_job.pack);
        // Like a person, pick an archive type only where the page offers one: while packing is on.
        if (m_job.archiveType && user.isEnabled(kArchiveType))
            user.select(kArchiveType, *m_job.archiveType);
        if (user.isChecked(kPack))
            m_packedArchiveType = user.text(kArchiveType);
    } else {
        user.ownControls().select(kTab, 0);
        user.click(kAddFiles);
    }
    user.type(kResultFolder, m_job.output);
    if (m_job.saveType)
        user.select(kSaveType, saveTypeText(*m_job.saveType));
}

void JobUiDriver::fillKindsPage(DialogUser& user)
{
    if (m_job.preset) {
        const std::vector<std::wstring> presets = user.items(kPresets);
        const bool known = std::any_of(presets.begin(), presets.end(), [this](const std::wstring& name) {
            return CString(name.c_str()).CompareNoCase(m_job.preset->c_str()) == 0;
        });
        if (!known) {
            std::wstring names;
            for (const std::wstring& name : presets)
                names += (names.empty() ? L"\"" : L", \"") + name + L"\"";
            throw UiScriptError(L"there is no preset \"" + *m_job.preset + L"\"; the presets are " +
                                (names.empty() ? L"none" : names));
        }
        user.select(kPresets, *m_job.preset);
    }
    std::optional<std::uint32_t> mask = m_job.kindMask;
    if (m_job.kinds) {
        mask = 0;
        for (const std::wstring& name : *m_job.kinds)
            for (std::size_t bit = 0; bit < kindNames().size(); ++bit)
                if (kindNames()[bit] == name)
                    *mask |= 1u << bit;
    }
    if (!mask)
        return;
    // In switch order, so that a box that depends on an earlier one is enabled by then.
    for (std::size_t bit = 0; bit < kKindBoxes.size(); ++bit) {
        const bool wanted = (*mask >> bit & 1u) != 0;
        if (user.isChecked(kKindBoxes[bit]) != wanted)
            user.setChecked(kKindBoxes[bit], wanted);
    }
}

void JobUiDriver::fillCopyrightPage(DialogUser& user)
{
    if (m_job.owner)
        user.type(kOwnerText, *m_job.owner);
    if (m_job.user)
        user.type(kUserText, *m_job.user);
    if (m_job.extra)
        user.type(kExtraLines, *m_job.extra);
    for (const auto& [key, on] : m_job.noteFlags)
        for (std::size_t index = 0; index < noteFlagKeys().size(); ++index)
            if (noteFlagKeys()[index] == key)
                user.setChecked(kNoteFlagBoxes[index], on);
    if (m_job.rows)
        user.select(kRows, std::to_wstring(*m_job.rows));
    if (m_job.columns)
        user.select(kColumns, std::to_wstring(*m_job.columns));
}

void JobUiDriver::answerOverwriteQuestion(DialogUser& user)
{
    user.click(m_job.overwriteExisting ? kOverwrite : kRename);
    user.setChecked(kApplyToRest, m_job.applyToAll);
    user.pressEnter();
}

int JobUiDriver::answerMessageBox(const MessageBoxRequest& request)
{
    m_print(request.text + L"\n");
    m_lastMessage = request.text;
    if (request.text.starts_with(kSummaryStart) && request.text.find(L"个文件") != std::wstring::npos)
        m_summary = request.text;
    if (request.text == kCreateQuestion)
        return m_job.createOutputFolder ? IDYES : IDNO;
    // A job that switches every kind off means it.
    const bool nothingToProtect = (m_job.kinds && m_job.kinds->empty()) || m_job.kindMask == 0u;
    if ((request.type & MB_TYPEMASK) == MB_YESNO)
        return nothingToProtect ? IDYES : IDNO;
    return safeMessageBoxAnswer(request.type);
}

std::vector<std::wstring> JobUiDriver::chooseFiles(const FileDialogRequest&)
{
    return {m_job.sources.front()};
}

std::vector<std::wstring> JobUiDriver::chooseNavigationFiles(const FileNavigationRequest&)
{
    return m_job.sources;
}

std::optional<std::wstring> JobUiDriver::chooseFolder(const FolderBrowseRequest&)
{
    return std::exchange(m_folderAnswer, std::nullopt);
}

} // namespace cadhost::app
