#include "tempfolder.h"

#include "codepage.h"

#include <algorithm>
#include <cstdlib>

namespace cadhost {

std::wstring tempFolder()
{
    const char* configured = std::getenv("TMPDIR");
    std::wstring folder = configured != nullptr && *configured != '\0' ? fromUtf8(configured) : L"/tmp";
    if (folder.back() != L'/')
        folder += L'/';
    return folder;
}

} // namespace cadhost

DWORD GetTempPathW(DWORD size, LPWSTR buffer)
{
    const std::wstring folder = cadhost::tempFolder();
    if (buffer == nullptr || size <= folder.size())
        return static_cast<DWORD>(folder.size() + 1);
    std::copy(folder.begin(), folder.end(), buffer);
    buffer[folder.size()] = L'\0';
    return static_cast<DWORD>(folder.size());
}
