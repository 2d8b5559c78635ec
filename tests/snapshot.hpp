#pragma once

#include <ctime>

namespace quorvel::testing {

// A clock snapshot as the local-time conversion would give it, without
// asking any clock: tests choose the moment.
inline std::tm snapshot(int hour, int minute, int second = 0) {
    std::tm now{};
    now.tm_hour = hour;
    now.tm_min = minute;
    now.tm_sec = second;
    return now;
}

// Day of week for a Gregorian date (Sakamoto's method), 0 = Sunday.
inline int day_of_week(int year, int month, int day) {
    static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3)
        year -= 1;
    return (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7;
}

// A dated snapshot: month 1-12 as written, stored 0-11 as the record counts.
inline std::tm snapshot_on(int year, int month, int day, int hour, int minute) {
    std::tm now = snapshot(hour, minute);
    now.tm_year = year - 1900;
    now.tm_mon = month - 1;
    now.tm_mday = day;
    now.tm_wday = day_of_week(year, month, day);
    return now;
}

} // namespace quorvel::testing
