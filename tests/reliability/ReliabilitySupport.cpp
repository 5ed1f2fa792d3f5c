#include "ReliabilitySupport.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

MeasuredRun runMeasured(const std::string& command) {
    MeasuredRun run;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return run;
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    char buffer[4096];
    ssize_t n;
    while ((n = read(pipeEnds[0], buffer, sizeof buffer)) > 0) run.out.append(buffer, static_cast<size_t>(n));
    close(pipeEnds[0]);
    int raw = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &raw, 0, &usage) != child) return run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.peakRssKiB = usage.ru_maxrss;
    return run;
}

long peakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::string simIn(const std::filesystem::path& folder) {
    std::filesystem::copy_file(TORVE_SIM_EXE, folder / "torve-sim", std::filesystem::copy_options::overwrite_existing);
    return "cd '" + folder.string() + "' && ALSOFT_DRIVERS=null ./torve-sim";
}

bool canMountPrivately() {
    static const bool can = runCommand("unshare -m sh -c 'mount -t tmpfs -o size=64k tmpfs /mnt' 2>/dev/null").status == 0;
    return can;
}

std::string sanitizerReport(const std::string& errors) {
    for (const char* mark : {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:"}) {
        const size_t at = errors.find(mark);
        if (at != std::string::npos) return errors.substr(at > 200 ? at - 200 : 0, 2000);
    }
    return {};
}

nlohmann::json lastState(const std::string& out) {
    const size_t end = out.find_last_not_of('\n');
    if (end == std::string::npos) return {};
    const size_t start = out.rfind('\n', end);
    const size_t from = start == std::string::npos ? 0 : start + 1;
    return nlohmann::json::parse(out.substr(from, end + 1 - from), nullptr, false);
}
