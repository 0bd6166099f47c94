// Fetches one address into a local file over HTTP, bypassing every cache. Blocking: call it only from
// the download thread.
#pragma once

#include "afxstr.h"

#include <filesystem>

// True when the server answered 200 and the whole body is in the file (created or truncated). Any other
// answer returns false with its status and leaves the file alone; no answer at all gives the status 404.
// A file that cannot be created, or a transfer broken off, returns false too.
bool downloadFile(const CString& address, const std::filesystem::path& file, long& httpStatus);
