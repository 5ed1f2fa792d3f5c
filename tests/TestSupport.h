#pragma once

#include <sys/types.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>

// A fresh temporary folder that becomes the working directory for the test's lifetime.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }
    void write(const std::string& name, const std::string& content) const;
    std::string read(const std::string& name) const;

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// Runs a shell command; returns its exit status and what it printed on standard output.
struct CommandResult {
    int status = -1;
    std::string out;
};
CommandResult runCommand(const std::string& command);

// A fresh copy of the built game folder as the working directory.
class GameFolderCopy : public TempDir {
public:
    GameFolderCopy();
};

// A player without the rights of the tests' own user: "nobody" when the tests run as root
// (as CI does), else the user itself, who has no root's pass through permissions anyway.
struct PlainUser {
    std::optional<std::pair<uid_t, gid_t>> ids;  // nothing: stay who we are
    // Makes `path` (and what lies in it) the player's own.
    void own(const std::filesystem::path& path) const;
};
PlainUser plainUser();
