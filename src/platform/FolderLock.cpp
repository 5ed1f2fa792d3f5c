#include "platform/FolderLock.h"

#ifdef _WIN32
// Windows keeps no such lock here: every copy writes, as before.
FolderLock::FolderLock(const std::string&) {}
FolderLock::~FolderLock() = default;
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileWriter.h"

namespace {
void removeWriteTemporaries(int folder) {
    const int listing = ::dup(folder);
    if (listing < 0) return;
    DIR* dir = ::fdopendir(listing);
    if (dir == nullptr) {
        ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(dir))
        if (isWriteTemporary(entry->d_name)) ::unlinkat(folder, entry->d_name, 0);
    ::closedir(dir);
}
}  // namespace

FolderLock::FolderLock(const std::string& folder) {
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        removeWriteTemporaries(fd_);
        return;
    }
    held_ = errno != EWOULDBLOCK;
    ::close(fd_);
    fd_ = -1;
}

// Closing the folder lets the lock go.
FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
}
#endif

bool FolderLock::held() const { return held_; }
