// Holding a file open for writing the way Windows does with a share mode that refuses other writers and
// readers: while the lock lives, sharedReadFileSize and other FileWriteLocks on the same file fail.
#pragma once

#include "adesk.h"
#include "unixfile.h"

#include <string_view>

namespace cadhost {

class CADHOST_EXPORT FileWriteLock {
public:
    explicit FileWriteLock(std::wstring_view path);

    // False when the file could not be opened for writing or another holder has it.
    bool held() const { return m_held; }

private:
    UnixFile m_file;
    bool m_held = false;
};

} // namespace cadhost
