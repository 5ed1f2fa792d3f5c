#include "VirtualPad.h"

#include <fcntl.h>
#include <linux/uinput.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "GameProcess.h"

namespace {
constexpr const char* kName = "Torve test pad";
constexpr int kButtons[] = {BTN_SOUTH, BTN_EAST, BTN_NORTH, BTN_WEST, BTN_TL, BTN_TR, BTN_SELECT, BTN_START};
constexpr int kSticks[] = {ABS_X, ABS_Y, ABS_RX, ABS_RY};
constexpr int kTriggers[] = {ABS_Z, ABS_RZ};
constexpr int kHat[] = {ABS_HAT0X, ABS_HAT0Y};

// As root, a device node the kernel has but the folder lacks (a container's /dev) can be made
// from its numbers in sysfs; true when the node is there.
bool nodeFrom(const std::filesystem::path& sysDev, const std::filesystem::path& node) {
    if (std::filesystem::exists(node)) return true;
    unsigned major = 0, minor = 0;
    char colon;
    std::ifstream dev(sysDev);
    if (geteuid() != 0 || !(dev >> major >> colon >> minor)) return false;
    std::error_code ec;
    std::filesystem::create_directories(node.parent_path(), ec);
    return mknod(node.c_str(), S_IFCHR | 0600, makedev(major, minor)) == 0;
}
}  // namespace

VirtualPad::VirtualPad() {
    if (!std::filesystem::exists("/dev/uinput") && nodeFrom("/sys/class/misc/uinput/dev", "/dev/uinput"))
        madeNodes_.push_back("/dev/uinput");
    fd_ = open("/dev/uinput", O_WRONLY | O_NONBLOCK);
    if (fd_ < 0) {
        unavailable_ = std::string("no virtual pad: this machine offers no usable /dev/uinput (") + std::strerror(errno) + ")";
        return;
    }
    if (!makeDevice()) {
        unavailable_ = std::string("no virtual pad: uinput refused the device: ") + std::strerror(errno);
        return;
    }
    if (!awaitJoystickNode())
        unavailable_ = "no virtual pad: the kernel gave it no /dev/input/js* node (joydev), which the game reads";
}

VirtualPad::~VirtualPad() {
    if (fd_ >= 0) {
        ioctl(fd_, UI_DEV_DESTROY);
        close(fd_);
    }
    for (const std::string& node : madeNodes_) unlink(node.c_str());
}

bool VirtualPad::makeDevice() {
    uinput_user_dev dev{};
    std::snprintf(dev.name, sizeof dev.name, "%s", kName);
    dev.id.bustype = BUS_VIRTUAL;
    dev.id.version = 1;
    bool ok = ioctl(fd_, UI_SET_EVBIT, EV_KEY) == 0 && ioctl(fd_, UI_SET_EVBIT, EV_ABS) == 0 &&
              ioctl(fd_, UI_SET_EVBIT, EV_SYN) == 0;
    for (const int code : kButtons) ok = ok && ioctl(fd_, UI_SET_KEYBIT, code) == 0;
    const auto axis = [&](int code, int min, int max) {
        ok = ok && ioctl(fd_, UI_SET_ABSBIT, code) == 0;
        dev.absmin[code] = min;
        dev.absmax[code] = max;
    };
    for (const int code : kSticks) axis(code, -32768, 32767);
    for (const int code : kTriggers) axis(code, 0, 255);
    for (const int code : kHat) axis(code, -1, 1);
    return ok && write(fd_, &dev, sizeof dev) == static_cast<ssize_t>(sizeof dev) && ioctl(fd_, UI_DEV_CREATE) == 0;
}

bool VirtualPad::awaitJoystickNode() {
    namespace fs = std::filesystem;
    const auto start = std::chrono::steady_clock::now();
    while (secondsSince(start) < 3) {
        std::error_code ec;
        for (const auto& input : fs::directory_iterator("/sys/class/input", ec)) {
            const std::string node = input.path().filename().string();
            if (node.rfind("js", 0) != 0 || fileText(input.path() / "device" / "name") != std::string(kName) + "\n")
                continue;
            const std::string path = "/dev/input/" + node;
            if (fs::exists(path)) return true;
            if (!nodeFrom(input.path() / "dev", path)) return false;
            madeNodes_.push_back(path);
            return true;
        }
        waitSeconds(0.1);
    }
    return false;
}

void VirtualPad::emit(int type, int code, int value) {
    input_event event{};
    event.type = static_cast<unsigned short>(type);
    event.code = static_cast<unsigned short>(code);
    event.value = value;
    if (write(fd_, &event, sizeof event) != static_cast<ssize_t>(sizeof event)) return;
    input_event sync{};
    sync.type = EV_SYN;
    sync.code = SYN_REPORT;
    [[maybe_unused]] const ssize_t written = write(fd_, &sync, sizeof sync);
}

void VirtualPad::leftStickX(int percent) { emit(EV_ABS, ABS_X, percent * 32767 / 100); }

void VirtualPad::button(int code, bool down) { emit(EV_KEY, code, down ? 1 : 0); }
