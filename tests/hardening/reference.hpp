#pragma once

#include <ctime>
#include <string>
#include <vector>

// A second, deliberately different implementation of what a run must do:
// numbers through strtoll, windows as modular distances, the previous day
// through a day count. Hostile-input tests and the fuzzer judge the real
// core by it, so it must never call into the core's parsing or verdict.
namespace quorvel::hardening {

struct clock_time {
    int hour = 0;
    int minute = 0;
};

enum class day_kind { none, week, month, year };

// The kind a qualifier prefix announces (ASCII case folded), or none when
// the argument does not start with one.
day_kind prefix_kind(const std::string& argument);

// "H:M" as "%d:%d" reads it, in range. False for anything else.
bool reference_time(const std::string& argument, clock_time& time);

struct reference_outcome {
    bool rejected = true; // the usage block, status -1
    int status = -1;
    clock_time start;
    clock_time end;
};

// What check_window must answer for argv[1..] = `arguments` and the snapshot
// `now` (null when the clock could not be read). The snapshot must be a
// consistent date.
reference_outcome reference_run(const std::vector<std::string>& arguments, const std::tm* now);

// The exact report line for an accepted run.
std::string reference_line(const reference_outcome& outcome, const std::tm& now);

} // namespace quorvel::hardening
