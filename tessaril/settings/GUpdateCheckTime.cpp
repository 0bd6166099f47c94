#include "GUpdateCheckTime.h"

#include "uptime.h"

#include <array>
#include <cwctype>
#include <string_view>

namespace {

constexpr const char* kCheckTimeFormat = "%Y-%m-%d %H:%M:%S";

// A stored time is one line of a few characters; anything much longer is not a time.
constexpr std::size_t kLongestCheckTimeText = 256;

// The fields of "YYYY-M-D h:m:s" in order, each with the character that follows it.
struct CheckTimeField {
    std::size_t fewestDigits;
    std::size_t mostDigits;
    wchar_t separator;
};
constexpr std::array<CheckTimeField, 6> kFields{{
    {4, 4, L'-'},
    {1, 2, L'-'},
    {1, 2, L' '},
    {1, 2, L':'},
    {1, 2, L':'},
    {1, 2, L'\0'},
}};

std::wstring_view trimmed(std::wstring_view text)
{
    const auto blank = [](wchar_t ch) { return std::iswspace(static_cast<wint_t>(ch)) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Takes a run of decimal digits of the given length from the front of the text.
std::optional<int> leadingNumber(std::wstring_view& text, std::size_t fewest, std::size_t most)
{
    std::size_t count = 0;
    int value = 0;
    while (count < text.size() && count < most && text[count] >= L'0' && text[count] <= L'9') {
        value = value * 10 + (text[count] - L'0');
        ++count;
    }
    if (count < fewest)
        return std::nullopt;
    text.remove_prefix(count);
    return value;
}

} // namespace

CString formatCheckTime(std::time_t time)
{
    std::tm local{};
    localtime_r(&time, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, kCheckTimeFormat, &local);
    return CString(text);
}

std::optional<std::time_t> parseCheckTime(const CString& text)
{
    const std::wstring_view whole(text.GetString(), static_cast<std::size_t>(text.GetLength()));
    if (whole.size() > kLongestCheckTimeText)
        return std::nullopt;
    std::wstring_view rest = trimmed(whole);
    std::array<int, 6> parts{};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::optional<int> value = leadingNumber(rest, kFields[i].fewestDigits, kFields[i].mostDigits);
        if (!value)
            return std::nullopt;
        parts[i] = *value;
        if (kFields[i].separator != L'\0') {
            if (rest.empty() || rest.front() != kFields[i].separator)
                return std::nullopt;
            rest.remove_prefix(1);
        }
    }
    if (!rest.empty())
        return std::nullopt;
    std::tm fields{};
    fields.tm_year = parts[0] - 1900;
    fields.tm_mon = parts[1] - 1;
    fields.tm_mday = parts[2];
    fields.tm_hour = parts[3];
    fields.tm_min = parts[4];
    fields.tm_sec = parts[5];
    fields.tm_isdst = -1;
    if (fields.tm_hour > 23 || fields.tm_min > 59 || fields.tm_sec > 59)
        return std::nullopt;

    std::tm normalised = fields;
    const std::time_t time = std::mktime(&normalised);
    // mktime moves a day that the month does not have (2024-02-30) into the next month.
    if (time == static_cast<std::time_t>(-1) || normalised.tm_year != fields.tm_year ||
        normalised.tm_mon != fields.tm_mon || normalised.tm_mday != fields.tm_mday)
        return std::nullopt;
    return time;
}

bool isCheckDue(const CString& lastCheckTime, std::time_t now, std::uint64_t secondsSinceStart)
{
    const std::optional<std::time_t> last = parseCheckTime(lastCheckTime);
    if (!last)
        return true;
    const double elapsed = std::difftime(now, *last);
    return elapsed >= 0 && elapsed > static_cast<double>(secondsSinceStart);
}

std::uint64_t secondsSinceComputerStart()
{
    return GetTickCount64() / 1000U;
}
