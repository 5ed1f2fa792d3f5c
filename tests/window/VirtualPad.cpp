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

// As root, the device node can be made where the kernel has uinput but the folder lacks it.
void makeNodeIfMissing() {
    if (std::filesystem::exists("/dev/uinput") || geteuid() != 0) return;
    unsigned major = 0, minor = 0;
    std::ifstream dev("/sys/class/misc/uinput/dev");
    char colon;
    if (dev >> major >> colon >> minor) mknod("/dev/uinput", S_IFCHR | 0600, makedev(major, minor));
}
}  // namespace

VirtualPad::VirtualPad() {
    makeNodeIfMissing();
    fd_ = open("/dev/uinput", O_WRONLY | O_NONBLOCK);
    if (fd_ < 0) {
        unavailable_ = std::string("no virtual pad: /dev/uinput: ") + std::strerror(errno);
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
    if (fd_ < 0) return;
    ioctl(fd_, UI_DEV_DESTROY);
    close(fd_);
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
            return fs::exists("/dev/input/" + node);
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
