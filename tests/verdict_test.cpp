#include "verdict.hpp"

#include "snapshot.hpp"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using testing::snapshot;

struct window_case {
    int start_hour, start_minute;
    int end_hour, end_minute;
    int now_hour, now_minute;
    check_result expected;
};

constexpr check_result in = check_result::between;
constexpr check_result out = check_result::not_between;

// Rows sit on the edges of each of the five shapes a window can have.
const window_case window_cases[] = {
    // A day window: start inclusive, end exclusive.
    {8, 0, 17, 0, 7, 59, out},
    {8, 0, 17, 0, 8, 0, in},
    {8, 0, 17, 0, 16, 59, in},
    {8, 0, 17, 0, 17, 0, out},
    {8, 30, 17, 30, 8, 29, out},
    {8, 30, 17, 30, 17, 29, in},
    // A night window wraps past midnight.
    {22, 0, 6, 0, 21, 59, out},
    {22, 0, 6, 0, 22, 0, in},
    {22, 0, 6, 0, 23, 59, in},
    {22, 0, 6, 0, 0, 0, in},
    {22, 0, 6, 0, 5, 59, in},
    {22, 0, 6, 0, 6, 0, out},
    {22, 30, 6, 15, 22, 29, out},
    {22, 30, 6, 15, 6, 14, in},
    // Start equal to end is empty, even at that very minute.
    {12, 0, 12, 0, 12, 0, out},
    {12, 0, 12, 0, 11, 59, out},
    {12, 0, 12, 0, 0, 0, out},
    // Within one hour.
    {12, 10, 12, 20, 12, 9, out},
    {12, 10, 12, 20, 12, 10, in},
    {12, 10, 12, 20, 12, 19, in},
    {12, 10, 12, 20, 12, 20, out},
    {12, 10, 12, 20, 13, 15, out},
    // Within one hour, wrapping: only part of that hour is left out.
    {12, 50, 12, 10, 12, 9, in},
    {12, 50, 12, 10, 12, 10, out},
    {12, 50, 12, 10, 12, 49, out},
    {12, 50, 12, 10, 12, 50, in},
    {12, 50, 12, 10, 3, 0, in},
    {12, 50, 12, 10, 23, 59, in},
    // Almost the whole day.
    {0, 0, 23, 59, 0, 0, in},
    {0, 0, 23, 59, 23, 58, in},
    {0, 0, 23, 59, 23, 59, out},
};

TEST(is_now_between, decides_the_edges_of_every_window_shape) {
    for (const auto& c : window_cases) {
        const check_result got = is_now_between(snapshot(c.now_hour, c.now_minute),
                                                snapshot(c.start_hour, c.start_minute),
                                                snapshot(c.end_hour, c.end_minute));
        EXPECT_EQ(got, c.expected)
            << c.start_hour << ':' << c.start_minute << "-" << c.end_hour << ':' << c.end_minute
            << " at " << c.now_hour << ':' << c.now_minute;
    }
}

TEST(is_now_between, ignores_seconds) {
    EXPECT_EQ(is_now_between(snapshot(16, 59, 59), snapshot(8, 0), snapshot(17, 0)), in);
    EXPECT_EQ(is_now_between(snapshot(7, 59, 59), snapshot(8, 0), snapshot(17, 0)), out);
}

// The rule as five cases on hours first, minutes where hours tie. The
// implementation counts minutes since midnight instead; both must agree.
check_result five_case_rule(int sh, int sm, int eh, int em, int nh, int nm) {
    bool inside = false;
    if (sh < eh) {
        inside = (nh == sh && nm >= sm) || (nh > sh && nh < eh) || (nh == eh && nm < em);
    } else if (sh == eh && sm < em) {
        inside = nh == sh && nm >= sm && nm < em;
    } else if (sh == eh && sm == em) {
        inside = false;
    } else if (sh == eh) {
        inside = !(nh == sh && nm >= em && nm < sm);
    } else {
        inside = nh < eh || (nh == eh && nm < em) || (nh == sh && nm >= sm) || nh > sh;
    }
    return inside ? in : out;
}

void expect_rules_agree(int start, int end, int now) {
    now = ((now % 1440) + 1440) % 1440;
    const check_result expected =
        five_case_rule(start / 60, start % 60, end / 60, end % 60, now / 60, now % 60);
    ASSERT_EQ(is_now_between(snapshot(now / 60, now % 60), snapshot(start / 60, start % 60),
                             snapshot(end / 60, end % 60)),
              expected)
        << "start " << start << " end " << end << " now " << now;
}

// Every now near either bound, plus the ends of the day and the middle.
void expect_rules_agree_around(int start, int end) {
    for (int now : {start - 1, start, start + 1, end - 1, end, end + 1, 0, 1439, (start + end) / 2})
        expect_rules_agree(start, end, now);
}

TEST(is_now_between, agrees_with_the_five_case_rule) {
    // A stride through all windows catches the hour-apart shapes...
    for (int start = 0; start < 1440; start += 7)
        for (int end = 0; end < 1440; end += 7)
            expect_rules_agree_around(start, end);
    // ...and every pair of minutes inside each hour catches the same-hour ones.
    for (int hour = 0; hour < 24; ++hour)
        for (int sm = 0; sm < 60; ++sm)
            for (int em = 0; em < 60; ++em)
                expect_rules_agree_around(hour * 60 + sm, hour * 60 + em);
}

TEST(is_now_between, agrees_with_the_five_case_rule_at_every_minute_for_sampled_windows) {
    const int bounds[] = {0, 1, 59, 60, 61, 719, 720, 721, 1379, 1380, 1438, 1439};
    for (int start : bounds)
        for (int end : bounds)
            for (int now = 0; now < 1440; ++now)
                expect_rules_agree(start, end, now);
}

} // namespace
} // namespace quorvel
