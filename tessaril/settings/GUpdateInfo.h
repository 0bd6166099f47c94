// What the plug-in knows about newer versions: the local update descriptor (config/TessarilUpdate.xml,
// shipped with the installation) and the copy of the server's one (config/TessarilUpdate_Server.xml,
// refreshed in the background for the next start of the computer).
//
// Usage:
//   movrel, before the main dialog:  updateInfo().runUpdateCheck();   // checks once per load, never waits
//   main dialog, initialisation:
//     if (updateInfo().showDownloadLink())  // link 148: updateInfo().serverVersion(), downloadAddress()
//     caption ends with updateInfo().captionVersion()  (empty when the local descriptor was not read)
//   unload: updateInfo().waitForDownload();
#pragma once

#include "GUpdateDescriptor.h"

#include <ctime>
#include <filesystem>
#include <mutex>
#include <thread>

class GUpdateInfo {
public:
    GUpdateInfo() = default;
    // Waits for a download that is still running.
    ~GUpdateInfo();
    GUpdateInfo(const GUpdateInfo&) = delete;
    GUpdateInfo& operator=(const GUpdateInfo&) = delete;

    // The first call compares the local and the server copy when a check is due: a different server
    // version (ignoring case) sets the newer-version flag, an equal one starts the download of a fresh
    // server copy on a worker thread. Later calls do nothing. Failures end the check quietly.
    void runUpdateCheck();

    bool showDownloadLink() const { return m_newerVersion; }
    // Valid only when showDownloadLink() is true; the download thread may write them otherwise.
    const CString& serverVersion() const { return m_server.m_current; }
    const CString& downloadAddress() const { return m_server.m_url; }
    const CString& captionVersion() const { return m_local.m_current; }

    const GUpdateDescriptor& localDescriptor() const { return m_local; }

    // The steps of the check, each usable on its own.
    bool readLocalDescriptor();
    bool readServerDescriptor();
    bool stampCheckTime();
    // At most one check per start of the computer: see isCheckDue.
    bool checkDue() const;
    // Downloads the server descriptor from the local one's address and puts it in place of the server
    // copy; a failed download leaves the copy as it was. Holds the download mutex while it works.
    bool refreshServerDescriptor();

    // Returns once no download thread is running.
    void waitForDownload();

private:
    void startDownload();

    GUpdateDescriptor m_local;
    GUpdateDescriptor m_server;
    bool m_newerVersion = false;
    bool m_checkPending = true;
    std::thread m_downloadThread;
    std::mutex m_downloadMutex;
};

// The process-wide instance.
GUpdateInfo& updateInfo();

std::filesystem::path localDescriptorPath();
std::filesystem::path serverDescriptorPath();
// Where the download lands before it replaces the server copy: the user's temporary folder.
std::filesystem::path downloadedDescriptorPath();
