#include "run_check.hpp"
#include "snapshot.hpp"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using testing::run;
using testing::snapshot_on;

constexpr check_result in = check_result::between;
constexpr check_result out = check_result::not_between;

struct dated_case {
    const char* arguments;
    int year, month, day, hour, minute;
    check_result expected;
};

// December 2026: Monday the 7th, Friday the 11th, Sunday the 13th.
const dated_case dated_cases[] = {
    // A working week, both bounds qualified: Monday 08:00 to Friday 16:59.
    {"DOW:1 08:00 DOW:5 17:00", 2026, 12, 7, 7, 59, out},
    {"DOW:1 08:00 DOW:5 17:00", 2026, 12, 7, 8, 0, in},
    {"DOW:1 08:00 DOW:5 17:00", 2026, 12, 9, 3, 0, in},
    {"DOW:1 08:00 DOW:5 17:00", 2026, 12, 11, 16, 59, in},
    {"DOW:1 08:00 DOW:5 17:00", 2026, 12, 11, 17, 0, out},
    {"DOW:1 08:00 DOW:5 17:00", 2026, 12, 13, 12, 0, out},
    // The weekend wraps the week.
    {"DOW:5 18:00 DOW:1 06:00", 2026, 12, 11, 17, 59, out},
    {"DOW:5 18:00 DOW:1 06:00", 2026, 12, 11, 18, 0, in},
    {"DOW:5 18:00 DOW:1 06:00", 2026, 12, 13, 23, 59, in},
    {"DOW:5 18:00 DOW:1 06:00", 2026, 12, 14, 5, 59, in},
    {"DOW:5 18:00 DOW:1 06:00", 2026, 12, 14, 6, 0, out},
    {"DOW:5 18:00 DOW:1 06:00", 2026, 12, 9, 12, 0, out},
    // Same day: an ordinary day window; reversed, the rest of the week.
    {"DOW:3 08:00 DOW:3 17:00", 2026, 12, 9, 8, 0, in},
    {"DOW:3 08:00 DOW:3 17:00", 2026, 12, 10, 8, 0, out},
    {"DOW:1 17:00 DOW:1 08:00", 2026, 12, 7, 12, 0, out},
    {"DOW:1 17:00 DOW:1 08:00", 2026, 12, 8, 12, 0, in},
    // Equal positions are an empty window.
    {"DOW:3 08:00 DOW:3 08:00", 2026, 12, 9, 8, 0, out},
    {"D:10 08:00 D:10 08:00", 2026, 12, 10, 8, 0, out},
    // Days of the month, and a window across the month's end.
    {"D:10 09:00 D:20 17:00", 2026, 12, 10, 8, 59, out},
    {"D:10 09:00 D:20 17:00", 2026, 12, 10, 9, 0, in},
    {"D:10 09:00 D:20 17:00", 2026, 12, 20, 16, 59, in},
    {"D:10 09:00 D:20 17:00", 2026, 12, 20, 17, 0, out},
    {"D:25 00:00 D:5 00:00", 2026, 12, 24, 23, 59, out},
    {"D:25 00:00 D:5 00:00", 2026, 12, 25, 0, 0, in},
    {"D:25 00:00 D:5 00:00", 2027, 1, 4, 23, 59, in},
    {"D:25 00:00 D:5 00:00", 2027, 1, 5, 0, 0, out},
    {"D:25 00:00 D:5 00:00", 2026, 12, 15, 12, 0, out},
    // Month and day, and a window across the new year.
    {"MD:12/24 00:00 MD:1/2 00:00", 2026, 12, 23, 23, 59, out},
    {"MD:12/24 00:00 MD:1/2 00:00", 2026, 12, 24, 0, 0, in},
    {"MD:12/24 00:00 MD:1/2 00:00", 2027, 1, 1, 12, 0, in},
    {"MD:12/24 00:00 MD:1/2 00:00", 2027, 1, 2, 0, 0, out},
    {"MD:12/24 00:00 MD:1/2 00:00", 2026, 7, 1, 12, 0, out},
    // A leap day exists only in leap years.
    {"MD:2/29 08:00 MD:2/29 17:00", 2028, 2, 29, 12, 0, in},
    {"MD:2/29 08:00 MD:2/29 17:00", 2027, 2, 28, 12, 0, out},
    {"MD:2/29 08:00 MD:2/29 17:00", 2027, 3, 1, 12, 0, out},

    // Only the start qualified: that day, from the start to the end time.
    {"DOW:1 08:00 17:00", 2026, 12, 7, 12, 0, in},
    {"DOW:1 08:00 17:00", 2026, 12, 7, 17, 0, out},
    {"DOW:1 08:00 17:00", 2026, 12, 8, 12, 0, out},
    {"D:1 08:00 17:00", 2026, 12, 1, 8, 0, in},
    {"D:1 08:00 17:00", 2026, 12, 2, 8, 0, out},
    {"MD:12/11 08:00 17:00", 2026, 12, 11, 8, 0, in},
    {"MD:12/11 08:00 17:00", 2026, 11, 11, 8, 0, out},
    // An earlier end time closes on the next calendar day.
    {"DOW:5 22:00 06:00", 2026, 12, 11, 21, 59, out},
    {"DOW:5 22:00 06:00", 2026, 12, 11, 22, 0, in},
    {"DOW:5 22:00 06:00", 2026, 12, 12, 0, 0, in},
    {"DOW:5 22:00 06:00", 2026, 12, 12, 5, 59, in},
    {"DOW:5 22:00 06:00", 2026, 12, 12, 6, 0, out},
    {"DOW:5 22:00 06:00", 2026, 12, 11, 3, 0, out}, // Thursday's night
    {"DOW:5 22:00 06:00", 2026, 12, 12, 22, 0, out},
    // Saturday night runs into Sunday, day 0 of the next week.
    {"DOW:6 22:00 06:00", 2026, 12, 13, 1, 0, in},
    {"DOW:0 22:00 06:00", 2026, 12, 14, 1, 0, in},
    {"DOW:0 22:00 06:00", 2026, 12, 13, 1, 0, out},
    // The day after the 31st is found through the month's real length.
    {"D:31 23:00 01:00", 2026, 12, 31, 23, 30, in},
    {"D:31 23:00 01:00", 2027, 1, 1, 0, 30, in},
    {"D:31 23:00 01:00", 2027, 1, 1, 1, 0, out},
    {"D:31 23:00 01:00", 2026, 10, 31, 23, 30, in},
    {"D:31 23:00 01:00", 2026, 11, 1, 0, 30, in},
    {"D:31 23:00 01:00", 2026, 11, 30, 23, 30, out},
    {"D:31 23:00 01:00", 2026, 12, 1, 0, 30, out}, // November has no 31st
    {"D:30 23:00 01:00", 2026, 12, 1, 0, 30, in},
    // Leap years decide which day precedes 1 March, centuries included.
    {"MD:2/28 22:00 02:00", 2027, 3, 1, 1, 0, in},
    {"MD:2/28 22:00 02:00", 2028, 3, 1, 1, 0, out},
    {"MD:2/28 22:00 02:00", 2028, 2, 29, 1, 0, in},
    {"MD:2/29 22:00 02:00", 2028, 3, 1, 1, 0, in},
    {"MD:2/28 22:00 02:00", 2100, 3, 1, 1, 0, in},
    {"MD:2/28 22:00 02:00", 2000, 3, 1, 1, 0, out},
    {"MD:12/31 22:00 02:00", 2027, 1, 1, 1, 0, in},
    // A day that never comes never matches; nothing is clamped.
    {"MD:2/31 00:00 23:59", 2027, 2, 28, 12, 0, out},
    {"MD:2/31 00:00 23:59", 2027, 3, 3, 12, 0, out},
    {"D:31 08:00 17:00", 2026, 11, 30, 12, 0, out},
    // Equal times are empty here too.
    {"DOW:5 12:00 12:00", 2026, 12, 11, 12, 0, out},

    // Without qualifiers the date plays no part.
    {"08:00 17:00", 2026, 12, 13, 12, 0, in},
    {"08:00 17:00", 2028, 2, 29, 12, 0, in},
};

TEST(qualified_window, follows_the_week_month_and_year) {
    for (const auto& c : dated_cases) {
        const std::tm now = snapshot_on(c.year, c.month, c.day, c.hour, c.minute);
        EXPECT_EQ(run(now, c.arguments).status, c.expected)
            << c.arguments << " at " << c.year << '-' << c.month << '-' << c.day << ' ' << c.hour
            << ':' << c.minute;
    }
}

TEST(qualified_window, reports_hours_and_minutes_only) {
    const std::tm monday = snapshot_on(2026, 12, 7, 9, 5);
    const auto result = run(monday, "dow:1 8:00 DOW:5 17:0");
    EXPECT_EQ(result.status, in);
    EXPECT_EQ(result.text, "Now(09:05) is between Start-Time(08:00) and End-Time(17:00).\n");
}

struct command_case {
    const char* arguments;
    check_result status;
};

// How the command line is walked once qualifiers are in play.
const command_case command_cases[] = {
    // Arguments after the end time are ignored.
    {"DOW:1 08:00 DOW:5 17:00 extra", in},
    {"DOW:1 08:00 17:00 25:99", in},
    // The end bound is missing.
    {"DOW:1 08:00", check_result::failed},
    {"DOW:1 08:00 DOW:5", check_result::failed},
    // Pairing: the end's kind must be the start's, and needs a start.
    {"DOW:1 08:00 D:5 17:00", check_result::failed},
    {"MD:1/1 08:00 DOW:5 17:00", check_result::failed},
    {"08:00 DOW:5 17:00", check_result::failed},
    // A failed qualifier is never read again as a time.
    {"DOW:7 08:00 17:00", check_result::failed},
    {"D:0 08:00 17:00", check_result::failed},
    // One qualifier per bound: a second is read as a time, and fails.
    {"DOW:1 DOW:2 08:00 17:00", check_result::failed},
};

TEST(qualified_window, walks_the_command_line) {
    const std::tm monday_noon = snapshot_on(2026, 12, 7, 12, 0);
    for (const auto& c : command_cases)
        EXPECT_EQ(run(monday_noon, c.arguments).status, c.status) << c.arguments;
}

} // namespace
} // namespace quorvel
