#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

// The fuzzer's view of a run: how raw bytes become a command line and a
// clock snapshot, and what the core's answer must look like.
namespace quorvel::hardening {

// Input layout: six header bytes, then the arguments.
//   0 hour (mod 24)   1 minute (mod 60)
//   2 second (mod 61, tm_isdst from the rest); 255 means the clock failed
//   3-4 day number since 1970-01-01, little endian: 1970 to 2149, so every
//       weekday, day and month, leap years, 2000 (leap) and 2100 (not)
//   5 the separator byte
// The rest is split on the separator and on NUL, which no argument can hold;
// each piece, empty ones too, is one argument. Missing header bytes read as 0.
constexpr std::size_t header_size = 6;
constexpr std::uint8_t no_clock = 255;

struct fuzz_case {
    std::vector<std::string> arguments; // argv[1] onwards
    bool have_clock = false;
    std::tm now{};
};

fuzz_case decode(const std::uint8_t* data, std::size_t size);

// The inverse for seeds: a dated clock (month 1-12) and arguments joined by NUL.
std::string encode(int year, int month, int day, int hour, int minute,
                   const std::vector<std::string>& arguments);

// A case at a dated clock (month 1-12), with the arguments as given.
fuzz_case make_case(int year, int month, int day, int hour, int minute,
                    std::vector<std::string> arguments);

struct run_output {
    int status;
    std::string text;
};

// check_window in memory, with argv[0] and the terminating null in place.
run_output run_core(const fuzz_case& input);

// The first broken rule for this answer to this input, or "" when none is.
std::string find_violation(const fuzz_case& input, const run_output& output);

} // namespace quorvel::hardening
