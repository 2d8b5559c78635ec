#pragma once

#include "bounds.hpp"

#include <ctime>

namespace quorvel {

// The verdict, which is also the process exit status.
enum class check_result { failed = -1, not_between = 0, between = 1 };

// Whether now's hour and minute lie in [start, end), wrapping past midnight
// when start is later than end; start == end is an empty window.
check_result is_now_between(const std::tm& now, const std::tm& start_time, const std::tm& end_time);

// The verdict for a window of any kind; for `day_qualifier::none` it is
// exactly is_now_between.
check_result window_verdict(const std::tm& now, day_qualifier kind, const std::tm& start_time,
                            const std::tm& end_time);

} // namespace quorvel
