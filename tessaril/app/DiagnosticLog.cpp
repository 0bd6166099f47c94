#include "DiagnosticLog.h"

#include "DebugSink.h"
#include "InstallRoot.h"
#include "codepage.h"
#include "nativepath.h"

#include <filesystem>
#include <fstream>

bool LogEnabled = true;
CString LogFilePath;

namespace {
LocalTimeSource gTimeSource;

std::optional<std::tm> systemLocalTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr)
        return std::nullopt;
    return local;
}

// The fields the log shows; a failed conversion gives 0 for the date and -1 for the time of day.
struct Stamp {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = -1;
    int minute = -1;
    int second = -1;
};

Stamp takeStamp()
{
    const std::optional<std::tm> local = gTimeSource ? gTimeSource() : systemLocalTime();
    if (!local)
        return {};
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min, local->tm_sec};
}

// Chooses the file of this load and creates the folder "Log" for it; the file itself is emptied.
std::ofstream openNewLogFile(const Stamp& stamp)
{
    const std::filesystem::path folder = InstallRoot() / "Log";
    std::error_code ignored;
    std::filesystem::create_directory(folder, ignored);
    CString name;
    name.Format(L"Tessaril%.4d-%.2d-%.2d %.2d：%.2d：%.2d.log", stamp.year, stamp.month, stamp.day, stamp.hour,
                stamp.minute, stamp.second);
    const std::filesystem::path file = folder / cadhost::nativePath(name.str());
    LogFilePath = cadhost::widePath(file).c_str();
    return std::ofstream(file, std::ios::binary | std::ios::trunc);
}
} // namespace

void writeLogLine(const CString& message)
{
    const Stamp stamp = takeStamp();
    CString line;
    line.Format(L"%.2d:%.2d:%.2d    %s", stamp.hour, stamp.minute, stamp.second, message);
    {
        std::ofstream file = LogFilePath.IsEmpty() ? openNewLogFile(stamp)
                                                   : std::ofstream(cadhost::nativePath(LogFilePath.str()),
                                                                   std::ios::binary | std::ios::app);
        file << cadhost::toUtf8(line.str()) << "\r\n";
    }
    OutputDebugStringW(message);
}

void setLocalTimeSource(LocalTimeSource source)
{
    gTimeSource = std::move(source);
}
