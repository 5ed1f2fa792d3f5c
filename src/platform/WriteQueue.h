#pragma once

#include <string>
#include <vector>

// The game's file writes (save.save, config.ini), made on one thread of their own in the order
// they were asked for, so a frame never waits for the disk. A newer write of a file (or, for a
// setting, of the same key of the same file) that is still queued replaces the older one.
// Until `start`, and after `stop`, every write is made at once where it is asked for.
class WriteQueue {
public:
    // From now on writes go to the writer thread.
    static void start();
    // Every way out: returns once every write asked for is made, and writes are made at once
    // again. The end of the program does the same.
    static void stop();
    // As writeFileAtomically.
    static void replaceFile(const std::string& path, const std::string& content);
    // As writeProfileString.
    static void setProfileString(const std::string& section, const std::string& key, const std::string& value,
                                 const std::string& path);
    // Returns once every write asked for before is made: a read that follows sees what it
    // would have seen had each write been made where it was asked for.
    static void waitForWrites();
    // The paths of the writes that failed since the last call, in the order they failed.
    static std::vector<std::string> takeFailures();
    // From now on every write asked for is dropped, neither made nor reported as failed: for
    // a copy of the game that plays while another holds its folders.
    static void refuseWrites();
};
