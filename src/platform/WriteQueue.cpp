#include "platform/WriteQueue.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "platform/FileWriter.h"

namespace {

struct Write {
    bool setting = false;  // one key of an INI file, or else the whole file
    std::string path, section, key, content;

    bool sameTarget(const Write& other) const {
        return setting == other.setting && path == other.path && section == other.section && key == other.key;
    }
    bool make() const {
        return setting ? writeProfileString(section, key, content, path) : writeFileAtomically(path, content);
    }
};

class Writer {
public:
    ~Writer() { stop(); }

    void start() {
        std::lock_guard lock(mutex_);
        if (thread_.joinable()) return;
        stopping_ = false;
        thread_ = std::thread([this] { run(); });
    }

    void stop() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable()) thread_.join();
    }

    void ask(Write write) {
        if (refusing_) return;
        std::unique_lock lock(mutex_);
        if (!thread_.joinable() || stopping_) {
            lock.unlock();
            makeAndNote(write);
            return;
        }
        const auto older = std::find_if(queue_.begin(), queue_.end(), [&](const Write& w) { return w.sameTarget(write); });
        if (older != queue_.end()) queue_.erase(older);
        queue_.push_back(std::move(write));
        wake_.notify_all();
    }

    void refuse() { refusing_ = true; }

    std::vector<std::string> takeFailures() {
        std::lock_guard lock(failuresMutex_);
        return std::exchange(failures_, {});
    }

    void waitForWrites() {
        std::unique_lock lock(mutex_);
        done_.wait(lock, [this] { return queue_.empty() && !writing_; });
    }

private:
    void makeAndNote(const Write& write) {
        if (write.make()) return;
        std::lock_guard lock(failuresMutex_);
        failures_.push_back(write.path);
    }

    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (queue_.empty()) return;  // stopping, and everything is written
            const Write write = std::move(queue_.front());
            queue_.pop_front();
            writing_ = true;
            lock.unlock();
            makeAndNote(write);
            lock.lock();
            writing_ = false;
            done_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_, done_;
    std::deque<Write> queue_;
    bool writing_ = false, stopping_ = false;
    std::atomic<bool> refusing_ = false;
    std::thread thread_;
    std::mutex failuresMutex_;
    std::vector<std::string> failures_;
};

// Made on first use and destroyed at the end of the program, writing what is still queued.
Writer& writer() {
    static Writer instance;
    return instance;
}

}  // namespace

void WriteQueue::start() { writer().start(); }

void WriteQueue::stop() { writer().stop(); }

void WriteQueue::replaceFile(const std::string& path, const std::string& content) {
    writer().ask(Write{false, path, "", "", content});
}

void WriteQueue::setProfileString(const std::string& section, const std::string& key, const std::string& value,
                                  const std::string& path) {
    writer().ask(Write{true, path, section, key, value});
}

void WriteQueue::waitForWrites() { writer().waitForWrites(); }

std::vector<std::string> WriteQueue::takeFailures() { return writer().takeFailures(); }

void WriteQueue::refuseWrites() { writer().refuse(); }
