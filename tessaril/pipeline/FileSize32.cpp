#include "FileSize32.h"

#include "fileops.h"

Adesk::UInt32 getFileSize32(const CString& path)
{
    const std::optional<std::uint64_t> size = cadhost::sharedReadFileSize(path.GetString());
    if (!size || *size > 0xFFFFFFFFull)
        return 0;
    return static_cast<Adesk::UInt32>(*size);
}
