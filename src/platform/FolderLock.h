#pragma once

#include <string>

// One copy of the game writes in a folder at a time; a second copy plays without writing.
// The lock is the system's own on the folder, so it goes with its process however that ends:
// it is never stale. Its holder is the folder's only writer, so taking it also clears away
// the temporary files of writes cut short by a kill or a crash.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False only when another holder has the folder. A folder that cannot be locked at all
    // (missing, or on a file system without locks) counts as held, so a lone copy still saves.
    bool held() const;

private:
    int fd_ = -1;
    bool held_ = true;
};
