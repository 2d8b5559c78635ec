#pragma once

// Proleptic Gregorian dates counted in days since 1970-01-01, worked out with
// era arithmetic (400-year cycles) rather than month-length tables, so that
// checks built on it do not share their method with the code under test.
namespace quorvel::hardening {

struct civil_date {
    long long year;
    int month; // 1-12
    int day;   // 1-31
};

inline long long days_from_civil(civil_date date) {
    const long long year = date.month <= 2 ? date.year - 1 : date.year;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long year_of_era = year - era * 400;
    const long long month_from_march = date.month > 2 ? date.month - 3 : date.month + 9;
    const long long day_of_year = (153 * month_from_march + 2) / 5 + date.day - 1;
    const long long day_of_era =
        year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468;
}

inline civil_date civil_from_days(long long days) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long day_of_era = days - era * 146097;
    const long long year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const long long day_of_year =
        day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const long long month_from_march = (5 * day_of_year + 2) / 153;
    const int day = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
    const int month =
        static_cast<int>(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
    const long long year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

// 1970-01-01 was a Thursday (4; Sunday is 0).
inline int weekday_from_days(long long days) {
    return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

} // namespace quorvel::hardening
