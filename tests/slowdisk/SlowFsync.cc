// Loaded before a game process, it makes every fsync take a fifth of a second (or
// TORVE_SLOW_FSYNC_MS), as on a slow disk, so that a test can act while the game's writes are
// still on their way.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>

extern "C" int fsync(int fd) {
    const char* set = std::getenv("TORVE_SLOW_FSYNC_MS");
    usleep(static_cast<useconds_t>((set ? std::atoi(set) : 200) * 1000));
    using Fsync = int (*)(int);
    static const auto real = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
    return real(fd);
}
