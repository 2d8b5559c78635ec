#include "check.hpp"

#include "version.hpp"

#include <cstring>

namespace quorvel {

void output_text::append(const char* text) {
    append(text, std::strlen(text));
}

void output_text::append(const char* text, std::size_t length) {
    const std::size_t room = capacity - size_;
    const std::size_t taken = length < room ? length : room;
    std::memcpy(bytes_ + size_, text, taken);
    size_ += taken;
}

namespace {

// Like "%02d" for any int: the width of two counts a minus sign, so only
// 0 to 9 gain a leading zero.
void append_two_digits(output_text& out, int value) {
    char digits[12];
    char* end = digits + sizeof digits;
    char* first = end;
    // Unsigned arithmetic keeps INT_MIN's magnitude representable.
    unsigned int magnitude =
        value < 0 ? 0U - static_cast<unsigned int>(value) : static_cast<unsigned int>(value);
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--first = '-';
    else if (end - first < 2)
        *--first = '0';
    out.append(first, static_cast<std::size_t>(end - first));
}

void append_clock(output_text& out, const char* label, const std::tm& time) {
    out.append(label);
    out.append("(");
    append_two_digits(out, time.tm_hour);
    out.append(":");
    append_two_digits(out, time.tm_min);
    out.append(")");
}

// Consumes one bound: an optional day qualifier, then its time of day.
bool take_bound(int argc, const char* const* argv, int& cursor, bound_role role,
                day_qualifier& kind, std::tm& bound, bool& qualified) {
    if (cursor >= argc)
        return false;
    const qualifier_parse qualifier = parse_day_qualifier(argv[cursor], role, kind, bound);
    if (qualifier == qualifier_parse::failed)
        return false;
    qualified = qualifier == qualifier_parse::accepted;
    if (qualified)
        ++cursor;
    if (cursor >= argc || !parse_time_of_day(argv[cursor], bound))
        return false;
    ++cursor;
    return true;
}

check_result reject(output_text& out) {
    print_usage(out);
    return check_result::failed;
}

} // namespace

void print_usage(output_text& out) {
    out.append("Quorvel (Start Time(00:00-23:59)) (End Time(00:00-23:59))\n"
               "Return  0:Now is not between Start-Time and End-Time.\n"
               "        1:Now is between Start-Time and End-Time.\n"
               "       -1:Failed.\n"
               "quorvel version " QUORVEL_VERSION "\n"
               "Copyright (c) 2026 The Quorvel developers. MIT License.\n"
               "Documentation and bug reports: see the README that comes with quorvel.\n");
}

void print_report(output_text& out, const std::tm& now, check_result verdict,
                  const std::tm& start_time, const std::tm& end_time) {
    append_clock(out, "Now", now);
    out.append(verdict == check_result::between ? " is " : " is not ");
    out.append("between ");
    append_clock(out, "Start-Time", start_time);
    out.append(" and ");
    append_clock(out, "End-Time", end_time);
    out.append(".\n");
}

check_result check_window(int argc, const char* const* argv, const std::tm* now, output_text& out) {
    if (now == nullptr || argc < 3)
        return reject(out);
    int cursor = 1;
    window bounds;
    bool start_qualified = false;
    if (!take_bound(argc, argv, cursor, bound_role::start, bounds.kind, bounds.start_time,
                    start_qualified))
        return reject(out);
    if (!take_bound(argc, argv, cursor, bound_role::end, bounds.kind, bounds.end_time,
                    bounds.end_qualified))
        return reject(out);
    const check_result verdict = window_verdict(*now, bounds);
    print_report(out, *now, verdict, bounds.start_time, bounds.end_time);
    return verdict;
}

} // namespace quorvel
