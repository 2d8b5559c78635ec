#pragma once

#include "bounds.hpp"

#include <ctime>

namespace quorvel {

// The verdict, which is also the process exit status.
enum class check_result { failed = -1, not_between = 0, between = 1 };

// Whether now's hour and minute lie in [start, end), wrapping past midnight
// when start is later than end; start == end is an empty window.
check_result is_now_between(const std::tm& now, const std::tm& start_time, const std::tm& end_time);

// A window as the command line gave it. The end may carry a qualifier only
// when the start does, and then of the same kind.
struct window {
    day_qualifier kind = day_qualifier::none;
    bool end_qualified = false;
    std::tm start_time{};
    std::tm end_time{};
};

// The verdict for a window of any kind. Unqualified: is_now_between. Both
// bounds qualified: [start, end) over (day, minute) positions in the week,
// month or year, wrapping around the cycle. Only the start qualified: from
// the start time on that day to the end time, the next calendar day when the
// end time is earlier. Uses now's tm_wday, tm_mday, tm_mon and tm_year.
check_result window_verdict(const std::tm& now, const window& bounds);

} // namespace quorvel
