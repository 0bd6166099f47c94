// The archiver call that packs a batch's results: "Rar.exe a ARCHIVE FILE...".
#pragma once

#include "afxcoll.h"

#include <string>
#include <vector>

struct ArchiveCommand {
    CString archiver;
    // Beside the output folder, named after it with the archive type as extension.
    CString archivePath;
    CStringArray files;

    // The command line as text, each path quoted (for the log).
    CString commandLine() const;
    // The same call as an argument vector, started without a shell, so no path can break it.
    std::vector<std::wstring> arguments() const;
};

ArchiveCommand makeArchiveCommand(const CString& archiver, const CString& outputFolder, const CString& archiveType,
                                  const CStringArray& files);
