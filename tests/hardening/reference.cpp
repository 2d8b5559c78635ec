#include "reference.hpp"

#include "calendar.hpp"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quorvel::hardening {

namespace {

constexpr int minutes_per_day = 24 * 60;

struct prefix_name {
    const char* lower;
    day_kind kind;
};

const prefix_name prefix_names[] = {
    {"dow:", day_kind::week},
    {"d:", day_kind::month},
    {"md:", day_kind::year},
};

char fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// One "%d": leading white space, an optional sign, at least one digit.
// strtoll decides all three; the C locale keeps its white space ASCII.
bool number_at(const char*& text, long long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text, &end, 10);
    if (end == text || errno == ERANGE)
        return false;
    text = end;
    return true;
}

bool number_in(const char*& text, long long low, long long high, long long& value) {
    return number_at(text, value) && value >= low && value <= high;
}

struct qualifier {
    day_kind kind = day_kind::none;
    long long first = 0;  // weekday, day of the month, or month
    long long second = 0; // day, for month/day
};

bool read_qualifier(const std::string& argument, qualifier& result) {
    result.kind = prefix_kind(argument);
    const char* text = argument.c_str();
    for (const auto& name : prefix_names) {
        if (name.kind == result.kind)
            text += std::strlen(name.lower);
    }
    switch (result.kind) {
    case day_kind::week:
        return number_in(text, 0, 6, result.first);
    case day_kind::month:
        return number_in(text, 1, 31, result.first);
    case day_kind::year:
        if (!number_in(text, 1, 12, result.first) || *text != '/')
            return false;
        ++text;
        return number_in(text, 1, 31, result.second);
    case day_kind::none:
        break;
    }
    return false;
}

// One bound from position `index`: an optional qualifier, then its time.
bool read_bound(const std::vector<std::string>& arguments, std::size_t& index, qualifier& day,
                clock_time& time) {
    if (index >= arguments.size())
        return false;
    if (prefix_kind(arguments[index]) != day_kind::none) {
        if (!read_qualifier(arguments[index], day))
            return false;
        ++index;
        if (index >= arguments.size())
            return false;
    }
    if (!reference_time(arguments[index], time))
        return false;
    ++index;
    return true;
}

int minute_of(const clock_time& time) {
    return time.hour * 60 + time.minute;
}

// Inside [start, start + length) on a cycle: how far past the start a moment
// is, against how long the window lasts. An empty window has length 0.
bool within(long long position, long long start, long long end, long long cycle) {
    const auto distance = [cycle](long long from, long long to) {
        return ((to - from) % cycle + cycle) % cycle;
    };
    return distance(start, position) < distance(start, end);
}

struct dated_day {
    long long week_day;
    long long month_day;
    long long month; // 1-12
};

// A day's slot in the qualifier's cycle. Days that some months lack (the
// 31st, 29 February) still get a slot of their own.
long long slot_of(day_kind kind, const dated_day& day) {
    switch (kind) {
    case day_kind::week:
        return day.week_day;
    case day_kind::month:
        return day.month_day - 1;
    case day_kind::year:
        return (day.month - 1) * 31 + (day.month_day - 1);
    case day_kind::none:
        break;
    }
    return 0;
}

long long cycle_days(day_kind kind) {
    switch (kind) {
    case day_kind::week:
        return 7;
    case day_kind::month:
        return 31;
    case day_kind::year:
        return 12LL * 31;
    case day_kind::none:
        break;
    }
    return 1;
}

dated_day named_day(const qualifier& day) {
    switch (day.kind) {
    case day_kind::week:
        return {day.first, 0, 0};
    case day_kind::month:
        return {0, day.first, 0};
    case day_kind::year:
        return {0, day.second, day.first};
    case day_kind::none:
        break;
    }
    return {0, 0, 0};
}

bool names_day(const qualifier& day, const dated_day& date) {
    switch (day.kind) {
    case day_kind::week:
        return date.week_day == day.first;
    case day_kind::month:
        return date.month_day == day.first;
    case day_kind::year:
        return date.month == day.first && date.month_day == day.second;
    case day_kind::none:
        break;
    }
    return true;
}

bool inside(const std::tm& now, const qualifier& start_day, const clock_time& start,
            const qualifier& end_day, const clock_time& end) {
    const long long at = now.tm_hour * 60LL + now.tm_min;
    if (start_day.kind == day_kind::none)
        return within(at, minute_of(start), minute_of(end), minutes_per_day);

    const civil_date today_date{1900LL + now.tm_year, now.tm_mon + 1, now.tm_mday};
    const dated_day today{now.tm_wday, today_date.day, today_date.month};
    const day_kind kind = start_day.kind;
    if (end_day.kind != day_kind::none) {
        const auto position = [kind](const dated_day& day, long long minute) {
            return slot_of(kind, day) * minutes_per_day + minute;
        };
        return within(position(today, at), position(named_day(start_day), minute_of(start)),
                      position(named_day(end_day), minute_of(end)),
                      cycle_days(kind) * minutes_per_day);
    }

    // Only the start qualified: the window opens on a named day at the start
    // time and lasts until the end time comes round, at most one day later.
    const long long length =
        ((minute_of(end) - minute_of(start)) % minutes_per_day + minutes_per_day) % minutes_per_day;
    if (names_day(start_day, today) && at >= minute_of(start) && at < minute_of(start) + length)
        return true;
    const civil_date before = civil_from_days(days_from_civil(today_date) - 1);
    const dated_day yesterday{(now.tm_wday + 6) % 7, before.day, before.month};
    return names_day(start_day, yesterday) && at + minutes_per_day < minute_of(start) + length;
}

} // namespace

day_kind prefix_kind(const std::string& argument) {
    for (const auto& name : prefix_names) {
        const std::string lower = name.lower;
        if (argument.size() < lower.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; i < lower.size(); ++i)
            same = same && fold(argument[i]) == lower[i];
        if (same)
            return name.kind;
    }
    return day_kind::none;
}

bool reference_time(const std::string& argument, clock_time& time) {
    const char* text = argument.c_str();
    long long hour = 0;
    long long minute = 0;
    if (!number_in(text, 0, 23, hour) || *text != ':')
        return false;
    ++text;
    if (!number_in(text, 0, 59, minute))
        return false;
    time.hour = static_cast<int>(hour);
    time.minute = static_cast<int>(minute);
    return true;
}

reference_outcome reference_run(const std::vector<std::string>& arguments, const std::tm* now) {
    reference_outcome outcome;
    if (now == nullptr)
        return outcome;
    std::size_t index = 0;
    qualifier start_day;
    qualifier end_day;
    if (!read_bound(arguments, index, start_day, outcome.start))
        return outcome;
    if (!read_bound(arguments, index, end_day, outcome.end))
        return outcome;
    // An end qualifier must repeat the start's kind, and needs a start one.
    if (end_day.kind != day_kind::none && end_day.kind != start_day.kind)
        return outcome;
    outcome.rejected = false;
    outcome.status = inside(*now, start_day, outcome.start, end_day, outcome.end) ? 1 : 0;
    return outcome;
}

std::string reference_line(const reference_outcome& outcome, const std::tm& now) {
    char line[160];
    const int length = std::snprintf(
        line, sizeof line,
        "Now(%02d:%02d) is %sbetween Start-Time(%02d:%02d) and End-Time(%02d:%02d).\n", now.tm_hour,
        now.tm_min, outcome.status == 1 ? "" : "not ", outcome.start.hour, outcome.start.minute,
        outcome.end.hour, outcome.end.minute);
    return length > 0 ? std::string(line, static_cast<std::size_t>(length)) : std::string();
}

} // namespace quorvel::hardening
