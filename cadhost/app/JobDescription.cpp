#include "JobDescription.h"

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>

namespace cadhost::app {
namespace {

std::wstring trimmed(const std::wstring& text)
{
    const auto first = text.find_first_not_of(L" \t\r");
    if (first == std::wstring::npos)
        return {};
    const auto last = text.find_last_not_of(L" \t\r");
    return text.substr(first, last - first + 1);
}

bool parseFlag(const std::wstring& value, bool& flag)
{
    static const std::map<std::wstring, bool> words{{L"yes", true}, {L"true", true},   {L"1", true},
                                                    {L"no", false}, {L"false", false}, {L"0", false}};
    const auto found = words.find(value);
    if (found == words.end())
        return false;
    flag = found->second;
    return true;
}

bool parseNumber(const std::wstring& value, long long low, long long high, long long& number)
{
    if (value.empty() || value.size() > 10 ||
        !std::all_of(value.begin(), value.end(), [](wchar_t ch) { return ch >= L'0' && ch <= L'9'; }))
        return false;
    number = std::stoll(value);
    return number >= low && number <= high;
}

std::vector<std::wstring> splitList(const std::wstring& value)
{
    std::vector<std::wstring> items;
    std::wstringstream stream(value);
    std::wstring item;
    while (std::getline(stream, item, L','))
        if (const std::wstring name = trimmed(item); !name.empty())
            items.push_back(name);
    return items;
}

using Setter = std::function<bool(JobDescription&, const std::wstring&)>;

Setter text(std::wstring JobDescription::*field)
{
    return [field](JobDescription& job, const std::wstring& value) {
        job.*field = value;
        return true;
    };
}

Setter optionalText(std::optional<std::wstring> JobDescription::*field)
{
    return [field](JobDescription& job, const std::wstring& value) {
        job.*field = value;
        return true;
    };
}

Setter optionalFlag(std::optional<bool> JobDescription::*field)
{
    return [field](JobDescription& job, const std::wstring& value) {
        bool flag = false;
        if (!parseFlag(value, flag))
            return false;
        job.*field = flag;
        return true;
    };
}

Setter flag(bool JobDescription::*field)
{
    return [field](JobDescription& job, const std::wstring& value) { return parseFlag(value, job.*field); };
}

Setter gridSize(std::optional<int> JobDescription::*field)
{
    return [field](JobDescription& job, const std::wstring& value) {
        long long number = 0;
        if (!parseNumber(value, 2, 8, number))
            return false;
        job.*field = static_cast<int>(number);
        return true;
    };
}

const std::map<std::wstring, Setter>& setters()
{
    static const std::map<std::wstring, Setter> table = [] {
        std::map<std::wstring, Setter> setters{
            {L"mode",
             [](JobDescription& job, const std::wstring& value) {
                 if (value != L"files" && value != L"folder")
                     return false;
                 job.folderMode = value == L"folder";
                 return true;
             }},
            {L"source",
             [](JobDescription& job, const std::wstring& value) {
                 job.sources.push_back(value);
                 return !value.empty();
             }},
            {L"output", text(&JobDescription::output)},
            {L"save-type",
             [](JobDescription& job, const std::wstring& value) {
                 static const std::vector<std::wstring> types{L"keep", L"2000", L"2004", L"2007", L"2010", L"2013"};
                 if (std::find(types.begin(), types.end(), value) == types.end())
                     return false;
                 job.saveType = value;
                 return true;
             }},
            {L"keep-tree", optionalFlag(&JobDescription::keepTree)},
            {L"pack", optionalFlag(&JobDescription::pack)},
            {L"archive", optionalText(&JobDescription::archiveType)},
            {L"kinds",
             [](JobDescription& job, const std::wstring& value) {
                 std::vector<std::wstring> names = splitList(value);
                 for (const std::wstring& name : names)
                     if (std::find(kindNames().begin(), kindNames().end(), name) == kindNames().end())
                         return false;
                 job.kinds = std::move(names);
                 return true;
             }},
            {L"kind-mask",
             [](JobDescription& job, const std::wstring& value) {
                 long long mask = 0;
                 if (!parseNumber(value, 0, 255, mask))
                     return false;
                 job.kindMask = static_cast<std::uint32_t>(mask);
                 return true;
             }},
            {L"preset", optionalText(&JobDescription::preset)},
            {L"owner", optionalText(&JobDescription::owner)},
            {L"user", optionalText(&JobDescription::user)},
            {L"extra", optionalText(&JobDescription::extra)},
            {L"rows", gridSize(&JobDescription::rows)},
            {L"columns", gridSize(&JobDescription::columns)},
            {L"create-output", flag(&JobDescription::createOutputFolder)},
            {L"existing",
             [](JobDescription& job, const std::wstring& value) {
                 if (value != L"overwrite" && value != L"rename")
                     return false;
                 job.overwriteExisting = value == L"overwrite";
                 return true;
             }},
            {L"apply-to-all", flag(&JobDescription::applyToAll)},
            {L"verify", flag(&JobDescription::verify)},
        };
        for (const std::wstring& key : noteFlagKeys()) {
            setters.emplace(key, [key](JobDescription& job, const std::wstring& value) {
                bool on = false;
                if (!parseFlag(value, on))
                    return false;
                job.noteFlags.emplace_back(key, on);
                return true;
            });
        }
        return setters;
    }();
    return table;
}

} // namespace

const std::vector<std::wstring>& kindNames()
{
    static const std::vector<std::wstring> names{
        L"curves",     L"texts", L"block-references", L"block-definitions", L"unused-definitions", L"hatches",
        L"dimensions", L"others"};
    return names;
}

const std::vector<std::wstring>& noteFlagKeys()
{
    static const std::vector<std::wstring> keys{L"owner-stamp", L"owner-plot", L"user-stamp",  L"user-plot",
                                                L"date-stamp",  L"date-plot",  L"extra-stamp", L"extra-plot"};
    return keys;
}

bool JobDescription::set(const std::wstring& key, const std::wstring& value, std::wstring& message)
{
    const auto setter = setters().find(key);
    if (setter == setters().end()) {
        message = L"unknown job key \"" + key + L"\"";
        return false;
    }
    if (!setter->second(*this, value)) {
        message = L"bad value \"" + value + L"\" for the job key \"" + key + L"\"";
        return false;
    }
    return true;
}

bool JobDescription::read(const std::wstring& text, std::wstring& message)
{
    std::wstringstream stream(text);
    std::wstring line;
    for (int number = 1; std::getline(stream, line); ++number) {
        line = trimmed(line);
        if (line.empty() || line.front() == L'#')
            continue;
        const auto equals = line.find(L'=');
        if (equals == std::wstring::npos) {
            message = L"line " + std::to_wstring(number) + L" of the job is not \"key = value\"";
            return false;
        }
        if (!set(trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)), message)) {
            message.insert(0, L"line " + std::to_wstring(number) + L": ");
            return false;
        }
    }
    return true;
}

bool JobDescription::complete(std::wstring& message) const
{
    if (sources.empty())
        message = L"the job names no source";
    else if (folderMode && sources.size() > 1)
        message = L"a folder job takes exactly one source folder";
    else if (output.empty())
        message = L"the job names no output folder";
    return message.empty();
}

} // namespace cadhost::app
