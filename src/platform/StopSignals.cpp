#include "platform/StopSignals.h"

#include <csignal>
#include <initializer_list>
#ifndef _WIN32
#include <signal.h>
#endif

namespace {
// The one flag a signal handler may set; signals belong to the whole process.
volatile std::sig_atomic_t asked = 0;

#ifndef _WIN32
extern "C" void onStopSignal(int signal) {
    if (asked) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    asked = 1;
}
#endif
}  // namespace

void catchStopSignals() {
#ifndef _WIN32
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    // The writer thread's disk calls carry on rather than fail part way.
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
#else
    std::signal(SIGINT, [](int) { asked = 1; });
    std::signal(SIGTERM, [](int) { asked = 1; });
#endif
}

bool stopAsked() { return asked != 0; }
