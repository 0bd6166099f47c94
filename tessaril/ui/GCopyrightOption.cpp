#include "GCopyrightOption.h"

#include "CopyrightFiling.h"
#include "settings/GUserDataProfile.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

const wchar_t* const kDefaultOwnerText = L"Tessaril 图纸外发保护";
const wchar_t* const kDefaultUserText = L"https://www.tessaril.com";

namespace {

constexpr int kNoteLength = 128;
constexpr int kFlagLength = 12;
constexpr int kExtraLineLength = 2048;
constexpr int kDefaultGrid = 10;
constexpr const wchar_t* kExtraSection = L"CopyrightOption_Extra";
constexpr const wchar_t* kGridSection = L"CopyrightOption";

struct NoteSection {
    const wchar_t* section;
    GCopyrightItem GCopyrightOption::*note;
};

constexpr NoteSection kNoteSections[] = {
    {L"CopyrightOption_Owner", &GCopyrightOption::owner},
    {L"CopyrightOption_User", &GCopyrightOption::user},
    {L"CopyrightOption_Date", &GCopyrightOption::date},
};

// The filed form: version, the three notes, the extra note, rows, columns.
template <class Io, class Self> Io& filedFields(Io& io, Self& self)
{
    io.version(self.version, GCopyrightOption::kVersion);
    return io.record(self.owner)
        .record(self.user)
        .record(self.date)
        .record(self.extra)
        .number(self.rows)
        .number(self.columns);
}

// The settings form, walked by loading and by saving.
template <class Io, class Self> void settingsFields(Io& io, Self& self)
{
    for (const NoteSection& entry : kNoteSections) {
        auto& note = self.*entry.note;
        io.text(entry.section, L"Text", note.text, kNoteLength);
        io.flag(entry.section, L"Stamp", note.stamp);
        io.flag(entry.section, L"Plot", note.plot);
    }
    io.lines(kExtraSection, self.extra.lines);
    io.flag(kExtraSection, L"Stamp", self.extra.stamp);
    io.flag(kExtraSection, L"Plot", self.extra.plot);
    io.number(kGridSection, L"Row", self.rows, kDefaultGrid);
    io.number(kGridSection, L"Col", self.columns, kDefaultGrid);
}

CString lineKey(int number)
{
    CString key;
    key.Format(L"Text%d", number);
    return key;
}

// The n of a key that lineKey(n) names (letter case aside, as in every profile key); 0 for any other key.
int lineNumberOf(const CString& key)
{
    const std::wstring text(key.GetString());
    constexpr std::wstring_view prefix = L"text";
    if (text.size() <= prefix.size() || text.size() > prefix.size() + 10 || text[prefix.size()] == L'0')
        return 0;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::towlower(static_cast<wint_t>(text[i])) != static_cast<wint_t>(prefix[i]))
            return 0;
    long long number = 0;
    for (std::size_t i = prefix.size(); i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9')
            return 0;
        number = number * 10 + (text[i] - L'0');
    }
    return number <= std::numeric_limits<int>::max() ? static_cast<int>(number) : 0;
}

class SettingsLoader {
public:
    void text(const wchar_t* section, const wchar_t* key, CString& value, int length)
    {
        value = m_profile.readString(section, key, length, value);
    }
    void flag(const wchar_t* section, const wchar_t* key, bool& value)
    {
        value = m_profile.readFlag(section, key, value, kFlagLength);
    }
    void number(const wchar_t* section, const wchar_t* key, Adesk::Int32& value, int defaultValue)
    {
        value = m_profile.readInt(section, key, defaultValue);
    }
    // Keys "Text1" to "Text<Num>" in number order; empty lines are skipped. Only keys the section holds
    // can give a line, so those are the ones read: a damaged, huge Num costs nothing.
    void lines(const wchar_t* section, CStringArray& values)
    {
        const int count = m_profile.readInt(section, L"Num", 0);
        std::vector<int> numbers;
        for (const CString& key : m_profile.readKeys(section)) {
            const int number = lineNumberOf(key);
            if (number >= 1 && number <= count)
                numbers.push_back(number);
        }
        std::sort(numbers.begin(), numbers.end());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
        values.RemoveAll();
        for (const int number : numbers) {
            const CString line = m_profile.readString(section, lineKey(number), kExtraLineLength, L"");
            if (!line.IsEmpty())
                values.Add(line);
        }
    }

private:
    GUserDataProfile& m_profile = userDataProfile();
};

// Gathers the keys section by section, so that each section is written to the file once.
class SettingsSaver {
public:
    void text(const wchar_t* section, const wchar_t* key, const CString& value, int) { add(section, key, value); }
    void flag(const wchar_t* section, const wchar_t* key, bool value) { add(section, key, flagText(value)); }
    void number(const wchar_t* section, const wchar_t* key, Adesk::Int32 value, int)
    {
        CString text;
        text.Format(L"%d", value);
        add(section, key, text);
    }
    void lines(const wchar_t* section, const CStringArray& values)
    {
        CString count;
        count.Format(L"%d", static_cast<int>(values.GetSize()));
        add(section, L"Num", count);
        for (INT_PTR i = 0; i < values.GetSize(); ++i)
            add(section, lineKey(static_cast<int>(i) + 1), values[i]);
    }

    void write()
    {
        for (const auto& [section, keys] : m_sections)
            m_profile.writeSection(section, keys);
    }

private:
    void add(const wchar_t* section, const CString& key, const CString& value)
    {
        auto found = std::find_if(m_sections.begin(), m_sections.end(),
                                  [section](const auto& entry) { return std::wcscmp(entry.first, section) == 0; });
        if (found == m_sections.end())
            found = m_sections.insert(m_sections.end(), {section, {}});
        found->second.emplace_back(key, value);
    }

    GUserDataProfile& m_profile = userDataProfile();
    std::vector<std::pair<const wchar_t*, std::vector<std::pair<CString, CString>>>> m_sections;
};

} // namespace

GCopyrightOption::GCopyrightOption() : owner(kDefaultOwnerText, true, true), user(kDefaultUserText, true, true)
{
}

Acad::ErrorStatus GCopyrightOption::dwgOutFields(AcDbDwgFiler* filer) const
{
    copyright_filing::Writer writer(filer);
    return filedFields(writer, *this).status();
}

Acad::ErrorStatus GCopyrightOption::dwgInFields(AcDbDwgFiler* filer)
{
    copyright_filing::Reader reader(filer);
    return filedFields(reader, *this).status();
}

void GCopyrightOption::loadFromSettings()
{
    SettingsLoader loader;
    settingsFields(loader, *this);
}

void GCopyrightOption::saveToSettings() const
{
    SettingsSaver saver;
    settingsFields(saver, *this);
    saver.write();
}
