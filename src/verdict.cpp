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

// A day within the window's cycle, as the qualifiers name one.
struct calendar_day {
    int week_day;
    int month_day;
    int month;
};

int positive_modulo(int value, int divisor) {
    return (value % divisor + divisor) % divisor;
}

bool is_leap_year(long long year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int days_in_month(int month, long long year) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 1 && is_leap_year(year) ? 29 : lengths[month];
}

calendar_day day_of(const std::tm& time) {
    return {time.tm_wday, time.tm_mday, time.tm_mon};
}

// The calendar day before `time`'s date: month lengths and leap years count,
// so a day after a daylight-saving change is found as reliably as any other.
calendar_day day_before(const std::tm& time) {
    const int week_day = positive_modulo(time.tm_wday - 1, 7);
    if (time.tm_mday > 1)
        return {week_day, time.tm_mday - 1, time.tm_mon};
    const int month = positive_modulo(time.tm_mon, 12);
    const long long year = 1900LL + time.tm_year - (month == 0 ? 1 : 0);
    const int previous = positive_modulo(month - 1, 12);
    return {week_day, days_in_month(previous, year), previous};
}

bool is_qualified_day(const calendar_day& day, day_qualifier kind, const std::tm& bound) {
    switch (kind) {
    case day_qualifier::day_of_week:
        return day.week_day == bound.tm_wday;
    case day_qualifier::day_of_month:
        return day.month_day == bound.tm_mday;
    case day_qualifier::month_day:
        return day.month == bound.tm_mon && day.month_day == bound.tm_mday;
    case day_qualifier::none:
        break;
    }
    return true;
}

// Where a moment lies in the window's cycle: its day first, then its minute.
// A day field below 32 and a minute below 1440 keep the order lexicographic.
long long cycle_position(const std::tm& time, day_qualifier kind) {
    long long day = 0;
    switch (kind) {
    case day_qualifier::day_of_week:
        day = time.tm_wday;
        break;
    case day_qualifier::day_of_month:
        day = time.tm_mday;
        break;
    case day_qualifier::month_day:
        day = time.tm_mon * 32LL + time.tm_mday;
        break;
    case day_qualifier::none:
        break;
    }
    return day * 1440 + minute_of_day(time);
}

bool in_start_day_window(const std::tm& now, const window& bounds) {
    const long long start = minute_of_day(bounds.start_time);
    const long long end = minute_of_day(bounds.end_time);
    const long long at = minute_of_day(now);
    const bool today = is_qualified_day(day_of(now), bounds.kind, bounds.start_time);
    if (start < end)
        return today && start <= at && at < end;
    if (start > end) {
        const bool yesterday = is_qualified_day(day_before(now), bounds.kind, bounds.start_time);
        return (today && at >= start) || (yesterday && at < end);
    }
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

check_result window_verdict(const std::tm& now, const window& bounds) {
    if (bounds.kind == day_qualifier::none)
        return is_now_between(now, bounds.start_time, bounds.end_time);
    if (!bounds.end_qualified)
        return verdict_of(in_start_day_window(now, bounds));
    return verdict_of(in_cyclic_window(cycle_position(now, bounds.kind),
                                       cycle_position(bounds.start_time, bounds.kind),
                                       cycle_position(bounds.end_time, bounds.kind)));
}

} // namespace quorvel
