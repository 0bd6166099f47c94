#include "GUpdateCheckTime.h"

#include "uptime.h"

#include <regex>

namespace {

constexpr const char* kCheckTimeFormat = "%Y-%m-%d %H:%M:%S";

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
    static const std::wregex pattern(LR"(\s*(\d{4})-(\d{1,2})-(\d{1,2}) (\d{1,2}):(\d{1,2}):(\d{1,2})\s*)");
    std::wsmatch parts;
    if (!std::regex_match(text.str(), parts, pattern))
        return std::nullopt;
    const auto part = [&parts](std::size_t index) { return std::stoi(parts[index].str()); };

    std::tm fields{};
    fields.tm_year = part(1) - 1900;
    fields.tm_mon = part(2) - 1;
    fields.tm_mday = part(3);
    fields.tm_hour = part(4);
    fields.tm_min = part(5);
    fields.tm_sec = part(6);
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
