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
                 job.kindMask.reset();
                 return true;
             }},
            {L"kind-mask",
             [](JobDescription& job, const std::wstring& value) {
                 long long mask = 0;
                 if (!parseNumber(value, 0, 255, mask))
                     return false;
                 job.kindMask = static_cast<std::uint32_t>(mask);
                 job.kinds.reset();
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

// What a key accepts, for the message that refuses a value.
std::wstring acceptedValues(const std::wstring& key)
{
    static const std::wstring flags = L"yes, no, true, false, 1 or 0";
    static const std::map<std::wstring, std::wstring> accepted{
        {L"mode", L"files or folder"},
        {L"source", L"a path"},
        {L"save-type", L"keep, 2000, 2004, 2007, 2010 or 2013"},
        {L"kind-mask", L"a whole number from 0 to 255"},
        {L"rows", L"a whole number from 2 to 8"},
        {L"columns", L"a whole number from 2 to 8"},
        {L"existing", L"overwrite or rename"},
    };
    if (const auto found = accepted.find(key); found != accepted.end())
        return L" (accepted: " + found->second + L")";
    if (key == L"kinds") {
        std::wstring names;
        for (const std::wstring& name : kindNames())
            names += (names.empty() ? L"" : L", ") + name;
        return L" (accepted: a comma-separated list of " + names + L")";
    }
    return L" (accepted: " + flags + L")";
}

// What one source of words (the job file, or the command line) has said so far: within one source a key
// given twice with different values, or two keys that say the same thing, contradict each other.
class SourceWords {
public:
    bool admit(const std::wstring& key, const std::wstring& value, std::wstring& message)
    {
        if (key == L"source")
            return true;
        const std::wstring& other = key == L"kinds" ? L"kind-mask" : key == L"kind-mask" ? L"kinds" : key;
        if (other != key && m_values.contains(other)) {
            message = L"the job keys \"" + other + L"\" and \"" + key + L"\" both choose the kinds; give only one";
            return false;
        }
        if (const auto given = m_values.find(key); given != m_values.end() && given->second != value) {
            message =
                L"the job key \"" + key + L"\" is given twice, as \"" + given->second + L"\" and \"" + value + L"\"";
            return false;
        }
        m_values.emplace(key, value);
        return true;
    }

private:
    std::map<std::wstring, std::wstring> m_values;
};

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
        message = L"bad value \"" + value + L"\" for the job key \"" + key + L"\"" + acceptedValues(key);
        return false;
    }
    return true;
}

bool JobDescription::read(const std::wstring& text, std::wstring& message)
{
    // Editors on some systems start a UTF-8 file with a byte-order mark.
    std::wstringstream stream(text.starts_with(L'\xfeff') ? text.substr(1) : text);
    SourceWords said;
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
        const std::wstring key = trimmed(line.substr(0, equals));
        const std::wstring value = trimmed(line.substr(equals + 1));
        if (!said.admit(key, value, message) || !set(key, value, message)) {
            message.insert(0, L"line " + std::to_wstring(number) + L": ");
            return false;
        }
    }
    return true;
}

bool JobDescription::readWords(const std::vector<std::wstring>& words, std::wstring& message)
{
    SourceWords said;
    for (const std::wstring& word : words) {
        const auto equals = word.find(L'=');
        const std::wstring key = word.substr(0, equals);
        const std::wstring value = equals == std::wstring::npos ? std::wstring() : word.substr(equals + 1);
        if (!said.admit(key, value, message) || !set(key, value, message))
            return false;
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
