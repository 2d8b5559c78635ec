#include "bounds.hpp"

namespace quorvel {

namespace {

constexpr long long int_max = 2147483647LL;

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool in_range(int value, int low, int high) {
    return value >= low && value <= high;
}

} // namespace

bool read_number(const char*& text, int& value) {
    while (is_space(*text))
        ++text;
    const bool negative = *text == '-';
    if (*text == '+' || *text == '-')
        ++text;
    if (!is_digit(*text))
        return false;
    // The magnitude may reach 2^31 only for a negative number; stop early so
    // that a thousand digits cannot overflow the accumulator.
    const long long limit = negative ? int_max + 1 : int_max;
    long long magnitude = 0;
    for (; is_digit(*text); ++text) {
        magnitude = magnitude * 10 + (*text - '0');
        if (magnitude > limit)
            return false;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

bool parse_time_of_day(const char* text, std::tm& bound) {
    if (text == nullptr)
        return false;
    int hour = 0;
    int minute = 0;
    if (!read_number(text, hour) || *text != ':')
        return false;
    ++text;
    if (!read_number(text, minute))
        return false;
    if (!in_range(hour, 0, 23) || !in_range(minute, 0, 59))
        return false;
    bound.tm_hour = hour;
    bound.tm_min = minute;
    return true;
}

qualifier_parse parse_day_qualifier(const char*, bound_role, day_qualifier&, std::tm&) {
    return qualifier_parse::no_qualifier;
}

} // namespace quorvel
