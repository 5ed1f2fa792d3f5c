#pragma once

#include <filesystem>
#include <fstream>
#include <string>

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
