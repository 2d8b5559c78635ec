#include "platform.hpp"

#include <cstdio>

#if !defined(_WIN32)
#include <csignal>
#endif

namespace quorvel::platform {

namespace {

bool to_local_time(const std::time_t& seconds, std::tm& local) {
#if defined(_WIN32)
    return localtime_s(&local, &seconds) == 0;
#else
    return localtime_r(&seconds, &local) != nullptr;
#endif
}

} // namespace

void prepare_output() {
#if !defined(_WIN32)
    // Nothing better can be done if this fails: the run goes on either way.
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
#endif
}

bool read_local_time(std::tm& now) {
    const std::time_t seconds = std::time(nullptr);
    if (seconds == static_cast<std::time_t>(-1))
        return false;
    return to_local_time(seconds, now);
}

void write_stdout(const char* bytes, std::size_t size) {
    // A closed or full stdout must not change the verdict, and there is
    // nowhere else to report the failure to.
    static_cast<void>(std::fwrite(bytes, 1, size, stdout));
    static_cast<void>(std::fflush(stdout));
}

} // namespace quorvel::platform
