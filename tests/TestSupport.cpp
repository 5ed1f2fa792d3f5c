#include "TestSupport.h"

#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <sstream>

TempDir::TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("torve-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& content) const {
    std::filesystem::create_directories((path_ / name).parent_path());
    std::ofstream(path_ / name, std::ios::binary) << content;
}

std::string TempDir::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

CommandResult runCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}

GameFolderCopy::GameFolderCopy() {
    for (const auto& entry : std::filesystem::directory_iterator(TORVE_GAME_DIR)) {
        // What a player keeps there is not the game's.
        const auto name = entry.path().filename();
        if (name == "save.save" || name == "stats.txt" || name == "levels") continue;
        std::filesystem::copy(entry.path(), path() / entry.path().filename(), std::filesystem::copy_options::recursive);
    }
}

void PlainUser::own(const std::filesystem::path& path) const {
    if (!ids) return;
    if (chown(path.c_str(), ids->first, ids->second) != 0) return;
    if (!std::filesystem::is_directory(path)) return;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path))
        if (chown(entry.path().c_str(), ids->first, ids->second) != 0) return;
}

PlainUser plainUser() {
    if (geteuid() != 0) return {};
    const passwd* nobody = getpwnam("nobody");
    if (!nobody) return {};
    return {std::make_pair(nobody->pw_uid, nobody->pw_gid)};
}
