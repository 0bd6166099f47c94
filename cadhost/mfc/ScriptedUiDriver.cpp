#include "ScriptedUiDriver.h"

namespace cadhost {

namespace {

std::wstring quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

std::wstring listed(const std::vector<std::wstring>& files)
{
    std::wstring text;
    for (const std::wstring& file : files)
        text += (text.empty() ? L"" : L", ") + quoted(file);
    return files.empty() ? L"cancel" : text;
}

} // namespace

ScriptedUiDriver::ScriptedUiDriver() = default;
ScriptedUiDriver::~ScriptedUiDriver() = default;

void ScriptedUiDriver::expectDialog(UINT templateId, DialogActions actions)
{
    enqueue(DialogStep{templateId, std::move(actions)});
}

void ScriptedUiDriver::expectMessageBox(const std::wstring& text, int answer)
{
    enqueue(MessageBoxStep{text, answer});
}

void ScriptedUiDriver::expectFileDialog(std::vector<std::wstring> files)
{
    enqueue(FileStep{std::move(files)});
}

void ScriptedUiDriver::expectNavigationDialog(std::vector<std::wstring> files)
{
    enqueue(NavigationStep{std::move(files)});
}

void ScriptedUiDriver::expectFolderBrowser(std::optional<std::wstring> folder)
{
    enqueue(FolderStep{std::move(folder)});
}

bool ScriptedUiDriver::finished() const
{
    return m_steps.empty();
}

std::wstring ScriptedUiDriver::pending() const
{
    std::wstring text;
    for (const Step& step : m_steps)
        text += describe(step) + L"\n";
    return text;
}

void ScriptedUiDriver::runModal(CDialog& dialog)
{
    DialogUser user(dialog);
    const std::wstring arrived = L"dialog " + std::to_wstring(dialog.templateId()) + L" " + quoted(user.caption());
    DialogStep step = take<DialogStep>(arrived);
    if (step.templateId != dialog.templateId())
        throw UiScriptError(L"expected dialog " + std::to_wstring(step.templateId) + L" but " + arrived + L" came");
    m_insertPositions.push_back(0);
    struct PositionGuard {
        std::vector<std::size_t>& positions;
        ~PositionGuard() { positions.pop_back(); }
    } guard{m_insertPositions};
    if (step.actions)
        step.actions(user);
    if (!dialog.hasEnded())
        throw UiScriptError(arrived + L" is still open after its actions");
}

int ScriptedUiDriver::answerMessageBox(const MessageBoxRequest& request)
{
    m_messageBoxes.push_back(request.text);
    const std::wstring arrived = L"message box " + quoted(request.text);
    const MessageBoxStep step = take<MessageBoxStep>(arrived);
    if (step.text != request.text)
        throw UiScriptError(L"expected message box " + quoted(step.text) + L" but " + arrived + L" came");
    if (!isMessageBoxAnswer(request.type, step.answer))
        throw UiScriptError(arrived + L" has no button for the answer " + std::to_wstring(step.answer));
    return step.answer;
}

std::vector<std::wstring> ScriptedUiDriver::chooseFiles(const FileDialogRequest& request)
{
    m_fileDialogs.push_back(request);
    return take<FileStep>(L"file dialog " + quoted(request.title) + L" for " + quoted(request.filter)).files;
}

std::vector<std::wstring> ScriptedUiDriver::chooseNavigationFiles(const FileNavigationRequest& request)
{
    m_navigationDialogs.push_back(request);
    return take<NavigationStep>(L"navigation dialog " + quoted(request.title)).files;
}

std::optional<std::wstring> ScriptedUiDriver::chooseFolder(const FolderBrowseRequest& request)
{
    m_folderBrowsers.push_back(request);
    return take<FolderStep>(L"folder browser " + quoted(request.title)).folder;
}

void ScriptedUiDriver::enqueue(Step step)
{
    if (m_insertPositions.empty()) {
        m_steps.push_back(std::move(step));
        return;
    }
    const std::size_t position = m_insertPositions.back();
    m_steps.insert(m_steps.begin() + static_cast<std::ptrdiff_t>(position), std::move(step));
    for (std::size_t& insertAt : m_insertPositions) {
        if (insertAt >= position)
            ++insertAt;
    }
}

template <class Wanted> Wanted ScriptedUiDriver::take(const std::wstring& arrived)
{
    if (m_steps.empty())
        throw UiScriptError(L"unexpected " + arrived);
    if (!std::holds_alternative<Wanted>(m_steps.front()))
        throw UiScriptError(L"expected " + describe(m_steps.front()) + L" but " + arrived + L" came");
    Wanted step = std::get<Wanted>(std::move(m_steps.front()));
    m_steps.pop_front();
    for (std::size_t& position : m_insertPositions)
        position = position > 0 ? position - 1 : 0;
    return step;
}

std::wstring ScriptedUiDriver::describe(const Step& step)
{
    struct Describer {
        std::wstring operator()(const DialogStep& dialog) const
        {
            return L"dialog " + std::to_wstring(dialog.templateId);
        }
        std::wstring operator()(const MessageBoxStep& box) const { return L"message box " + quoted(box.text); }
        std::wstring operator()(const FileStep& file) const { return L"file dialog answered " + listed(file.files); }
        std::wstring operator()(const NavigationStep& navigation) const
        {
            return L"navigation dialog answered " + listed(navigation.files);
        }
        std::wstring operator()(const FolderStep& folder) const
        {
            return L"folder browser answered " + (folder.folder ? quoted(*folder.folder) : std::wstring(L"cancel"));
        }
    };
    return std::visit(Describer{}, step);
}

} // namespace cadhost
