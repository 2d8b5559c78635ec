#pragma once

#include "verdict.hpp"

#include <cstddef>
#include <ctime>

namespace quorvel {

// Text for standard output, collected in a fixed buffer so that the core
// needs no stream and no allocation. Appends past the capacity are dropped.
class output_text {
  public:
    static constexpr std::size_t capacity = 512;

    void append(const char* text);
    void append(const char* text, std::size_t length);
    const char* data() const { return bytes_; }
    std::size_t size() const { return size_; }

  private:
    char bytes_[capacity] = {};
    std::size_t size_ = 0;
};

// The usage block: what a rejected run writes instead of the report.
void print_usage(output_text& out);

// The one report line: now, the verdict and both bounds as HH:MM.
void print_report(output_text& out, const std::tm& now, check_result verdict,
                  const std::tm& start_time, const std::tm& end_time);

// The whole run without the process around it: `now` is the clock snapshot
// (null when the clock could not be read), argv[1..argc-1] the arguments.
// Writes the report or the usage block to `out` and returns the exit status.
check_result check_window(int argc, const char* const* argv, const std::tm* now, output_text& out);

} // namespace quorvel
