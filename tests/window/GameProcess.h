#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Image.h"

double secondsSince(std::chrono::steady_clock::time_point start);
// What a file holds; empty when it cannot be read.
std::string fileText(const std::filesystem::path& path);
void waitSeconds(double seconds);

// An Xvfb server of the test's own, so tests never see each other's windows.
class PrivateDisplay {
public:
    PrivateDisplay();
    ~PrivateDisplay();
    bool ready() const { return ready_; }
    const std::string& name() const { return name_; }

private:
    std::string name_;
    pid_t pid_ = -1;
    bool ready_ = false;
    void* keepAlive_ = nullptr;  // our own connection, held while the display is in use
};

// How the game is started. By default it is the game of a fresh copy of the game folder,
// started in that folder.
struct Launch {
    std::filesystem::path program;
    std::filesystem::path workingFolder;
    std::filesystem::path dataFolder;  // where its pictures lie, for reading the screen
    std::filesystem::path outputLog;   // standard output and error
    std::vector<std::string> arguments;
    std::map<std::string, std::string> environment;  // added to the test's own; "" removes one
    std::optional<std::pair<uid_t, gid_t>> user;     // started as this user (the test is root)
};

// The real game started on its own display, as a player would start it.
class GameProcess {
public:
    // Without a launch, the game of a fresh temporary copy of the built game folder.
    explicit GameProcess(std::optional<Launch> launch = std::nullopt);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;
    Launch& launch() { return launch_; }

    const std::filesystem::path& folder() const { return folder_; }
    bool start();
    // Exit status once the process has ended within `seconds`; nothing while it runs on.
    std::optional<int> waitForExit(double seconds);
    bool running();
    std::string standardError() const;
    const std::string& display() const { return display_.name(); }
    bool displayReady() const { return display_.ready(); }

private:
    PrivateDisplay display_;
    std::filesystem::path folder_;
    bool ownsFolder_ = false;
    Launch launch_;
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// Talks to an X server.
namespace x11 {
struct Geometry {
    int x = 0, y = 0;
    unsigned width = 0, height = 0;
};
// The id of the first window titled exactly `title` on `display`, or 0 after `seconds`.
unsigned long findWindow(const std::string& display, const std::string& title, double seconds);
std::optional<Geometry> geometry(const std::string& display, unsigned long window);
unsigned long rootWindow(const std::string& display);
// Asks the window to close, as the close box does.
void requestClose(const std::string& display, unsigned long window);
// Runs xdotool on `display` with the arguments; returns its exit status.
int xdotool(const std::string& display, const std::string& arguments);
// What the server shows of the window, opaque; empty when the window cannot be read.
Image capture(const std::string& display, unsigned long window);

// A plain window of the test's own, mapped while the object lives: somewhere else for the
// keyboard focus to go.
class OtherWindow {
public:
    OtherWindow(const std::string& display, int x, int y, unsigned width, unsigned height);
    ~OtherWindow();
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;
    unsigned long id() const { return id_; }

private:
    void* display_ = nullptr;
    unsigned long id_ = 0;
};
}  // namespace x11
