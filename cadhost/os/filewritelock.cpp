#include "filewritelock.h"

#include "nativepath.h"

#include <sys/file.h>

namespace cadhost {

FileWriteLock::FileWriteLock(std::wstring_view path)
    : m_file(nativePath(path), O_RDWR), m_held(m_file.isOpen() && ::flock(m_file.descriptor(), LOCK_EX | LOCK_NB) == 0)
{
}

} // namespace cadhost
