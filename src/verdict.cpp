#include "verdict.hpp"

namespace quorvel {

namespace {

// 64-bit so that any snapshot a caller hands in, in range or not, compares
// without overflow.
long long minute_of_day(const std::tm& time) {
    return static_cast<long long>(time.tm_hour) * 60 + time.tm_min;
}

// A half-open interval on a cycle: [start, end), wrapping when start > end.
bool in_cyclic_window(long long now, long long start, long long end) {
    if (start < end)
        return start <= now && now < end;
    if (start > end)
        return now >= start || now < end;
    return false;
}

check_result verdict_of(bool inside) {
    return inside ? check_result::between : check_result::not_between;
}

} // namespace

check_result is_now_between(const std::tm& now, const std::tm& start_time,
                            const std::tm& end_time) {
    return verdict_of(
        in_cyclic_window(minute_of_day(now), minute_of_day(start_time), minute_of_day(end_time)));
}

check_result window_verdict(const std::tm& now, day_qualifier kind, const std::tm& start_time,
                            const std::tm& end_time) {
    if (kind == day_qualifier::none)
        return is_now_between(now, start_time, end_time);
    return check_result::not_between;
}

} // namespace quorvel
