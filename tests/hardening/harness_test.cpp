// Tests of the fuzzing harness itself: the inputs it makes, the reference it
// judges by, and that its invariants notice wrong answers.
#include "calendar.hpp"
#include "harness.hpp"
#include "reference.hpp"

#include <gtest/gtest.h>

#include <ctime>
#include <set>
#include <string>
#include <vector>

namespace quorvel::hardening {
namespace {

std::vector<std::uint8_t> bytes_of(const std::string& text) {
    return {text.begin(), text.end()};
}

fuzz_case decode_text(const std::string& text) {
    const std::vector<std::uint8_t> bytes = bytes_of(text);
    return decode(bytes.data(), bytes.size());
}

TEST(fuzz_input, every_day_number_is_a_consistent_date) {
    std::set<int> week_days;
    std::set<int> month_days;
    std::set<int> months;
    bool leap_day = false;
    bool year_2000 = false;
    bool year_2100 = false;
    for (long long days = 0; days <= 0xffff; ++days) {
        const std::string header = {'\0', '\0', '\0', static_cast<char>(days & 0xff),
                                    static_cast<char>(days >> 8)};
        const std::tm now = decode_text(header).now;
        // The C library's own calendar for the same instant must agree.
        const std::time_t seconds = static_cast<std::time_t>(days) * 86400;
        const std::tm* utc = std::gmtime(&seconds);
        ASSERT_NE(utc, nullptr);
        ASSERT_EQ(now.tm_year, utc->tm_year) << days;
        ASSERT_EQ(now.tm_mon, utc->tm_mon) << days;
        ASSERT_EQ(now.tm_mday, utc->tm_mday) << days;
        ASSERT_EQ(now.tm_wday, utc->tm_wday) << days;
        ASSERT_EQ(now.tm_yday, utc->tm_yday) << days;
        week_days.insert(now.tm_wday);
        month_days.insert(now.tm_mday);
        months.insert(now.tm_mon);
        leap_day = leap_day || (now.tm_mon == 1 && now.tm_mday == 29);
        year_2000 = year_2000 || now.tm_year == 100;
        year_2100 = year_2100 || now.tm_year == 200;
    }
    EXPECT_EQ(week_days.size(), 7U);
    EXPECT_EQ(month_days.size(), 31U);
    EXPECT_EQ(months.size(), 12U);
    EXPECT_TRUE(leap_day && year_2000 && year_2100);
}

TEST(fuzz_input, every_hour_and_minute_can_be_chosen) {
    std::set<int> hours;
    std::set<int> minutes;
    for (int value = 0; value < 256; ++value) {
        const std::string header = {static_cast<char>(value), static_cast<char>(value)};
        const fuzz_case input = decode_text(header);
        hours.insert(input.now.tm_hour);
        minutes.insert(input.now.tm_min);
        EXPECT_TRUE(input.have_clock);
        EXPECT_TRUE(input.arguments.empty());
    }
    EXPECT_EQ(hours.size(), 24U);
    EXPECT_EQ(*hours.rbegin(), 23);
    EXPECT_EQ(minutes.size(), 60U);
    EXPECT_EQ(*minutes.rbegin(), 59);
    EXPECT_FALSE(decode_text(std::string("\0\0\xff", 3)).have_clock);
}

TEST(fuzz_input, splits_on_the_separator_and_on_nul) {
    struct row {
        std::string tail; // after the five clock bytes: separator, arguments
        std::vector<std::string> arguments;
    };
    const row rows[] = {
        {"", {}},
        {"\n", {}},
        {"\n08:00\n17:00", {"08:00", "17:00"}},
        {"\n08:00\n", {"08:00", ""}},
        {"\n\n", {"", ""}},
        {":08:00", {"08", "00"}},
        {std::string("\n08:00\0"
                     "17:00",
                     12),
         {"08:00", "17:00"}},
        {std::string("\0a b\tc", 6), {"a b\tc"}},
        {"\xff\x01\xfe\xff\x7f", {"\x01\xfe", "\x7f"}},
    };
    for (const auto& r : rows) {
        const fuzz_case input = decode_text(std::string(5, '\0') + r.tail);
        EXPECT_EQ(input.arguments, r.arguments) << r.tail;
    }
}

TEST(fuzz_input, encode_is_undone_by_decode) {
    const std::vector<std::string> arguments = {"MD:2/29", " 8:00", "", "17:00 x"};
    const fuzz_case input = decode_text(encode(2028, 2, 29, 23, 59, arguments));
    EXPECT_EQ(input.arguments, arguments);
    EXPECT_TRUE(input.have_clock);
    EXPECT_EQ(input.now.tm_year, 128);
    EXPECT_EQ(input.now.tm_mon, 1);
    EXPECT_EQ(input.now.tm_mday, 29);
    EXPECT_EQ(input.now.tm_wday, 2); // a Tuesday
    EXPECT_EQ(input.now.tm_hour, 23);
    EXPECT_EQ(input.now.tm_min, 59);
}

struct reference_case {
    std::vector<std::string> arguments;
    int year, month, day, hour, minute;
    int status; // -1 when rejected
};

// Decided by hand, so that the reference cannot be wrong in the same way as
// the core. December 2026: Monday the 7th, Friday the 11th.
const reference_case reference_cases[] = {
    {{"08:00", "17:00"}, 2026, 12, 7, 16, 59, 1},
    {{"08:00", "17:00"}, 2026, 12, 7, 17, 0, 0},
    {{"22:00", "06:00"}, 2026, 12, 7, 5, 59, 1},
    {{"22:00", "06:00"}, 2026, 12, 7, 21, 59, 0},
    {{"12:00", "12:00"}, 2026, 12, 7, 12, 0, 0},
    {{" \t+8:\v-0", "17:0x"}, 2026, 12, 7, 8, 0, 1},
    {{"\2408:00", "17:00"}, 2026, 12, 7, 8, 0, -1},
    {{"+ 8:00", "17:00"}, 2026, 12, 7, 8, 0, -1},
    {{"4294967304:00", "17:00"}, 2026, 12, 7, 8, 0, -1},
    {{"8:00", "17:00", "junk"}, 2026, 12, 7, 8, 0, 1},
    {{"8:00"}, 2026, 12, 7, 8, 0, -1},
    {{"dOw:5", "22:00", "06:00"}, 2026, 12, 12, 5, 59, 1},
    {{"DOW:5", "22:00", "06:00"}, 2026, 12, 12, 6, 0, 0},
    {{"DOW:5", "18:00", "dow:1", "06:00"}, 2026, 12, 13, 12, 0, 1},
    {{"DOW:5", "18:00", "DOW:1", "06:00"}, 2026, 12, 9, 12, 0, 0},
    {{"D:31", "23:00", "01:00"}, 2026, 12, 1, 0, 30, 0},  // no 30 November's successor
    {{"D:30", "23:00", "01:00"}, 2026, 12, 1, 0, 30, 1},  // 30 November's night
    {{"MD:2/28", "22:00", "02:00"}, 2028, 3, 1, 1, 0, 0}, // 29 February came between
    {{"MD:2/29", "22:00", "02:00"}, 2028, 3, 1, 1, 0, 1},
    {{"MD:2/28", "22:00", "02:00"}, 2100, 3, 1, 1, 0, 1},
    {{"MD:12/31", "22:00", "02:00"}, 2027, 1, 1, 1, 0, 1},
    {{"MD:12/24", "00:00", "MD:1/2", "00:00"}, 2027, 1, 1, 12, 0, 1},
    {{"MD:12/24", "00:00", "MD:1/2", "00:00"}, 2026, 7, 1, 12, 0, 0},
    {{"D:25", "00:00", "D:5", "00:00"}, 2027, 1, 4, 23, 59, 1},
    {{"DOW:7", "08:00", "17:00"}, 2026, 12, 7, 12, 0, -1},
    {{"DOW:1", "08:00", "D:5", "17:00"}, 2026, 12, 7, 12, 0, -1},
    {{"08:00", "DOW:5", "17:00"}, 2026, 12, 7, 12, 0, -1},
    {{"MD:1 /5", "08:00", "17:00"}, 2026, 12, 7, 12, 0, -1},
    {{"DOWN:3", "08:00", "17:00"}, 2026, 12, 7, 12, 0, -1},
};

TEST(reference_run, agrees_with_hand_decided_cases) {
    for (const auto& c : reference_cases) {
        const fuzz_case input =
            decode_text(encode(c.year, c.month, c.day, c.hour, c.minute, c.arguments));
        const reference_outcome outcome = reference_run(input.arguments, &input.now);
        EXPECT_EQ(outcome.rejected ? -1 : outcome.status, c.status)
            << c.arguments[0] << " at " << c.year << '-' << c.month << '-' << c.day << ' ' << c.hour
            << ':' << c.minute;
    }
}

// A correct answer, then the same answer broken in each way the fuzzer must
// notice.
TEST(find_violation, notices_every_kind_of_wrong_answer) {
    const fuzz_case inside = decode_text(encode(2026, 12, 7, 12, 34, {"8:00", "DOW:1"}));
    const fuzz_case accepted = decode_text(encode(2026, 12, 7, 12, 34, {"8:00", "17:00"}));
    const fuzz_case qualified =
        decode_text(encode(2026, 12, 7, 12, 34, {"DOW:1", "8:00", "DOW:1", "12:00"}));
    const fuzz_case no_clock = [&] {
        fuzz_case input = accepted;
        input.have_clock = false;
        return input;
    }();
    const std::string line = "Now(12:34) is between Start-Time(08:00) and End-Time(17:00).\n";
    const run_output right = run_core(accepted);
    ASSERT_EQ(right.status, 1);
    ASSERT_EQ(right.text, line);
    EXPECT_EQ(find_violation(accepted, right), "");
    const run_output usage = run_core(inside);
    ASSERT_EQ(usage.status, -1);
    EXPECT_EQ(find_violation(inside, usage), "");

    struct wrong {
        const fuzz_case* input;
        run_output output;
    };
    const wrong wrongs[] = {
        {&accepted, {2, line}},
        {&accepted, {0, line}},
        {&accepted, {-1, line}},
        {&accepted, {1, "Now(12:34) is not between Start-Time(08:00) and End-Time(17:00).\n"}},
        {&accepted, {0, "Now(12:34) is not between Start-Time(08:00) and End-Time(17:00).\n"}},
        {&accepted, {1, "Now(12:35) is between Start-Time(08:00) and End-Time(17:00).\n"}},
        {&accepted, {1, "Now(12:34) is between Start-Time(08:01) and End-Time(17:00).\n"}},
        {&accepted, {1, "Now(12:34) is between Start-Time(08:00) and End-Time(16:00).\n"}},
        {&accepted, {1, "Now(12:34) is between Start-Time(8:00) and End-Time(17:00).\n"}},
        {&accepted, {1, "Now(12:34) is between Start-Time(08:00) and End-Time(17:00).\r\n"}},
        {&accepted, {1, "Now(12:34) is between Start-Time(08:00) and End-Time(17:00)."}},
        {&accepted, {1, line + line}},
        {&accepted, {1, ""}},
        {&accepted, {-1, usage.text}},
        {&accepted, {-1, usage.text + line}},
        {&no_clock, right},
        {&inside, {1, "Now(12:34) is between Start-Time(08:00) and End-Time(00:00).\n"}},
        {&inside, {0, usage.text}},
        // The qualified window closes at 12:00 on Monday, before 12:34.
        {&qualified, {1, "Now(12:34) is between Start-Time(08:00) and End-Time(12:00).\n"}},
        {&qualified, {-1, usage.text}},
    };
    for (const auto& w : wrongs)
        EXPECT_NE(find_violation(*w.input, w.output), "")
            << w.output.status << ' ' << w.output.text;
    EXPECT_EQ(find_violation(qualified, run_core(qualified)), "");
}

} // namespace
} // namespace quorvel::hardening
