#include "bounds.hpp"

#include <cstddef>

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

char ascii_upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

struct qualifier_prefix {
    const char* text;
    std::size_t length;
    day_qualifier kind;
};

// Tried in this order; no two share their first two characters, so at most
// one can match.
constexpr qualifier_prefix qualifier_prefixes[] = {
    {"DOW:", 4, day_qualifier::day_of_week},
    {"D:", 2, day_qualifier::day_of_month},
    {"MD:", 3, day_qualifier::month_day},
};

// Stops at the text's terminator, which never equals a prefix character.
bool starts_with_folded(const char* text, const char* prefix) {
    for (; *prefix != '\0'; ++prefix, ++text) {
        if (ascii_upper(*text) != *prefix)
            return false;
    }
    return true;
}

const qualifier_prefix* find_qualifier_prefix(const char* text) {
    for (const auto& prefix : qualifier_prefixes) {
        if (starts_with_folded(text, prefix.text))
            return &prefix;
    }
    return nullptr;
}

bool read_in_range(const char*& text, int low, int high, int& value) {
    return read_number(text, value) && in_range(value, low, high);
}

// Reads the number(s) after a prefix into the bound's day fields; the
// record counts months from 0, people from 1.
bool read_qualifier_fields(const char* text, day_qualifier kind, std::tm& bound) {
    int first = 0;
    int second = 0;
    switch (kind) {
    case day_qualifier::day_of_week:
        if (!read_in_range(text, 0, 6, first))
            return false;
        bound.tm_wday = first;
        return true;
    case day_qualifier::day_of_month:
        if (!read_in_range(text, 1, 31, first))
            return false;
        bound.tm_mday = first;
        return true;
    case day_qualifier::month_day:
        if (!read_number(text, first) || *text != '/')
            return false;
        ++text;
        if (!read_number(text, second) || !in_range(first, 1, 12) || !in_range(second, 1, 31))
            return false;
        bound.tm_mon = first - 1;
        bound.tm_mday = second;
        return true;
    case day_qualifier::none:
        break;
    }
    return false;
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

qualifier_parse parse_day_qualifier(const char* text, bound_role role, day_qualifier& kind,
                                    std::tm& bound) {
    if (text == nullptr)
        return qualifier_parse::no_qualifier;
    const qualifier_prefix* prefix = find_qualifier_prefix(text);
    if (prefix == nullptr)
        return qualifier_parse::no_qualifier;
    // The kind is checked before the number, so a mismatched end fails even
    // when its number would be valid.
    if (role == bound_role::end && prefix->kind != kind)
        return qualifier_parse::failed;
    if (!read_qualifier_fields(text + prefix->length, prefix->kind, bound))
        return qualifier_parse::failed;
    if (role == bound_role::start)
        kind = prefix->kind;
    return qualifier_parse::accepted;
}

} // namespace quorvel
