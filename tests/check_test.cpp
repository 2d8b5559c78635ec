#include "check.hpp"

#include "run_check.hpp"
#include "snapshot.hpp"
#include "version.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

namespace quorvel {
namespace {

using testing::run;
using testing::run_result;
using testing::snapshot;

const std::string usage_block = "Quorvel (Start Time(00:00-23:59)) (End Time(00:00-23:59))\n"
                                "Return  0:Now is not between Start-Time and End-Time.\n"
                                "        1:Now is between Start-Time and End-Time.\n"
                                "       -1:Failed.\n"
                                "quorvel version " QUORVEL_VERSION "\n"
                                "Copyright (c) 2026 The Quorvel developers. MIT License.\n"
                                "Documentation and bug reports: see the README that comes with "
                                "quorvel.\n";

run_result run_at(int hour, int minute, const std::vector<const char*>& arguments) {
    const std::tm now = snapshot(hour, minute);
    return run(&now, arguments);
}

TEST(check_window, rejects_with_the_usage_block_and_nothing_else) {
    const std::vector<std::vector<const char*>> rejected = {
        {},                           // no argument
        {"08:00"},                    // one bound only
        {"08:00", "25:00"},           // end out of range
        {"25:00", "08:00"},           // start out of range
        {"", "08:00"},                // empty start
        {"08:00", ""},                // empty end
        {"abc", "def"},               // no numbers
        {"4294967304:00", "17:00"},   // would wrap into range
        {"DOWN:3", "08:00", "17:00"}, // not a qualifier, so read as a time
    };
    for (const auto& arguments : rejected) {
        const run_result result = run_at(12, 0, arguments);
        EXPECT_EQ(result.status, check_result::failed);
        EXPECT_EQ(result.text, usage_block);
    }
}

TEST(check_window, usage_block_is_plain_text) {
    // Its lines are written as they stand: no conversion may hide in them.
    EXPECT_EQ(usage_block.find('%'), std::string::npos);
    EXPECT_EQ(usage_block.find('\r'), std::string::npos);
    EXPECT_EQ(usage_block.back(), '\n');
}

TEST(check_window, rejects_when_the_clock_cannot_be_read) {
    const run_result result = run(nullptr, {"08:00", "17:00"});
    EXPECT_EQ(result.status, check_result::failed);
    EXPECT_EQ(result.text, usage_block);
}

TEST(check_window, never_reads_a_missing_argument) {
    const std::tm now = snapshot(12, 0);
    output_text out;
    // An empty argument list, as execve allows: argv holds only its terminator.
    const char* const empty[] = {nullptr};
    EXPECT_EQ(check_window(0, empty, &now, out), check_result::failed);
    // Null entries where text should be are rejected, not dereferenced.
    const char* const holes[] = {"quorvel", nullptr, nullptr, nullptr};
    output_text out2;
    EXPECT_EQ(check_window(3, holes, &now, out2), check_result::failed);
    EXPECT_EQ(std::string(out2.data(), out2.size()), usage_block);
}

struct report_case {
    int hour, minute;
    std::vector<const char*> arguments;
    check_result status;
    const char* line;
};

// Exact report lines: the verdict word, zero padding and argument handling.
const report_case report_cases[] = {
    {12,
     34,
     {"08:00", "17:00"},
     check_result::between,
     "Now(12:34) is between Start-Time(08:00) and End-Time(17:00).\n"},
    {17,
     0,
     {"08:00", "17:00"},
     check_result::not_between,
     "Now(17:00) is not between Start-Time(08:00) and End-Time(17:00).\n"},
    // Short forms are echoed padded.
    {9,
     5,
     {"8:0", "17:5"},
     check_result::between,
     "Now(09:05) is between Start-Time(08:00) and End-Time(17:05).\n"},
    // Arguments after the end time are never looked at.
    {12,
     34,
     {"08:00", "17:00", "extra", "25:99"},
     check_result::between,
     "Now(12:34) is between Start-Time(08:00) and End-Time(17:00).\n"},
    // Night window, single-digit now.
    {0,
     7,
     {"22:00", "06:00"},
     check_result::between,
     "Now(00:07) is between Start-Time(22:00) and End-Time(06:00).\n"},
    {23,
     15,
     {"22:00", "06:00"},
     check_result::between,
     "Now(23:15) is between Start-Time(22:00) and End-Time(06:00).\n"},
    // An empty window still reports.
    {12,
     0,
     {"12:00", "12:00"},
     check_result::not_between,
     "Now(12:00) is not between Start-Time(12:00) and End-Time(12:00).\n"},
};

TEST(check_window, writes_one_exact_report_line) {
    for (const auto& c : report_cases) {
        const std::tm now = snapshot(c.hour, c.minute);
        std::vector<const char*> argv{"quorvel"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        output_text out;
        const check_result status =
            check_window(static_cast<int>(argv.size()), argv.data(), &now, out);
        EXPECT_EQ(status, c.status) << c.line;
        EXPECT_EQ(std::string(out.data(), out.size()), c.line);
    }
}

TEST(check_window, drops_seconds_from_the_snapshot) {
    const std::tm now = snapshot(16, 59, 59);
    const run_result result = run(&now, {"08:00", "17:00"});
    EXPECT_EQ(result.status, check_result::between);
    EXPECT_EQ(result.text, "Now(16:59) is between Start-Time(08:00) and End-Time(17:00).\n");
}

TEST(print_report, pads_any_value_like_printf) {
    // Snapshots from elsewhere may hold anything; the text must stay what
    // "%02d" makes of it and never overrun.
    for (int value : {0, 5, 10, 99, 100, 12345, -1, -10, INT_MAX, INT_MIN}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "Now(%02d:%02d) is not between ", value, value);
        const std::tm odd = snapshot(value, value);
        output_text out;
        print_report(out, odd, check_result::not_between, snapshot(1, 2), snapshot(3, 4));
        EXPECT_EQ(std::string(out.data(), out.size()).substr(0, std::string(expected).size()),
                  expected);
    }
}

TEST(output_text, drops_what_does_not_fit) {
    output_text out;
    const std::string long_text(output_text::capacity + 10, 'x');
    out.append(long_text.c_str());
    EXPECT_EQ(out.size(), output_text::capacity);
    out.append("more");
    EXPECT_EQ(out.size(), output_text::capacity);
}

} // namespace
} // namespace quorvel
