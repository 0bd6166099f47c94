#include "GUpdateInfo.h"

#include "GUpdateCheckTime.h"
#include "GUpdateDownload.h"
#include "app/InstallRoot.h"
#include "nativepath.h"
#include "tempfolder.h"

#include <system_error>

namespace {

constexpr const char* kServerDescriptorName = "TessarilUpdate_Server.xml";

} // namespace

GUpdateInfo::~GUpdateInfo()
{
    waitForDownload();
}

void GUpdateInfo::runUpdateCheck()
{
    if (!m_checkPending)
        return;
    m_checkPending = false;

    if (!readLocalDescriptor() || !checkDue())
        return;
    stampCheckTime();
    if (!readServerDescriptor())
        return;
    if (m_server.m_current.CompareNoCase(m_local.m_current) != 0)
        m_newerVersion = true;
    else if (!m_local.m_versionUrl.IsEmpty())
        // Without a server address there is nothing to refresh.
        startDownload();
}

bool GUpdateInfo::readLocalDescriptor()
{
    return m_local.read(localDescriptorPath());
}

bool GUpdateInfo::readServerDescriptor()
{
    return m_server.read(serverDescriptorPath());
}

bool GUpdateInfo::stampCheckTime()
{
    return stampDescriptorCheckTime(localDescriptorPath(), formatCheckTime(std::time(nullptr)));
}

bool GUpdateInfo::checkDue() const
{
    return isCheckDue(m_local.m_lastUpdateTime, std::time(nullptr), secondsSinceComputerStart());
}

bool GUpdateInfo::refreshServerDescriptor()
{
    const std::lock_guard<std::mutex> lock(m_downloadMutex);
    try {
        const std::filesystem::path downloaded = downloadedDescriptorPath();
        long status = 0;
        if (!downloadFile(m_local.m_versionUrl, downloaded, status))
            return false;
        std::error_code error;
        std::filesystem::copy_file(downloaded, serverDescriptorPath(),
                                   std::filesystem::copy_options::overwrite_existing, error);
        return !error && readServerDescriptor();
    } catch (...) {
        // A refresh that goes wrong in any way leaves the next check the copy it had.
        return false;
    }
}

void GUpdateInfo::waitForDownload()
{
    if (m_downloadThread.joinable())
        m_downloadThread.join();
}

void GUpdateInfo::startDownload()
{
    try {
        m_downloadThread = std::thread([this] { refreshServerDescriptor(); });
    } catch (const std::system_error&) {
        // Without a thread there is no refresh this time; the command goes on.
    }
}

GUpdateInfo& updateInfo()
{
    static GUpdateInfo info;
    return info;
}

std::filesystem::path localDescriptorPath()
{
    return InstallRoot() / "config" / "TessarilUpdate.xml";
}

std::filesystem::path serverDescriptorPath()
{
    return InstallRoot() / "config" / kServerDescriptorName;
}

std::filesystem::path downloadedDescriptorPath()
{
    return cadhost::nativePath(cadhost::tempFolder()) / kServerDescriptorName;
}
