#include "bounds.hpp"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

constexpr auto none = day_qualifier::none;
constexpr auto week = day_qualifier::day_of_week;
constexpr auto month = day_qualifier::day_of_month;
constexpr auto year = day_qualifier::month_day;
constexpr auto start = bound_role::start;
constexpr auto end = bound_role::end;
constexpr auto accepted = qualifier_parse::accepted;
constexpr auto failed = qualifier_parse::failed;
constexpr auto no_qualifier = qualifier_parse::no_qualifier;

struct qualifier_case {
    const char* text;
    bound_role role;
    day_qualifier kind_before;
    qualifier_parse result;
    day_qualifier kind_after;
    int week_day, month_day, month; // expected bound fields; untouched ones stay 0
};

const qualifier_case qualifier_cases[] = {
    // Prefixes fold ASCII case and are read in full.
    {"DOW:3", start, none, accepted, week, 3, 0, 0},
    {"dow:3", start, none, accepted, week, 3, 0, 0},
    {"Dow:3", start, none, accepted, week, 3, 0, 0},
    {"D:15", start, none, accepted, month, 0, 15, 0},
    {"d:15", start, none, accepted, month, 0, 15, 0},
    {"MD:12/24", start, none, accepted, year, 0, 24, 11},
    {"md:12/24", start, none, accepted, year, 0, 24, 11},
    // Range ends; months are stored from 0.
    {"DOW:0", start, none, accepted, week, 0, 0, 0},
    {"DOW:6", start, none, accepted, week, 6, 0, 0},
    {"D:1", start, none, accepted, month, 0, 1, 0},
    {"D:5", start, none, accepted, month, 0, 5, 0},
    {"D:31", start, none, accepted, month, 0, 31, 0},
    {"MD:1/1", start, none, accepted, year, 0, 1, 0},
    {"MD:12/31", start, none, accepted, year, 0, 31, 11},
    // The day is not held to its month: 31 February is a day that never comes.
    {"MD:2/31", start, none, accepted, year, 0, 31, 1},
    // Numbers read like the times: sign, white space, trailing text ignored.
    {"DOW:3x", start, none, accepted, week, 3, 0, 0},
    {"DOW:+3", start, none, accepted, week, 3, 0, 0},
    {"DOW: 3", start, none, accepted, week, 3, 0, 0},
    {"MD:12/24/99", start, none, accepted, year, 0, 24, 11},
    {"MD:1/ 5", start, none, accepted, year, 0, 5, 0},
    {"MD:001/0005", start, none, accepted, year, 0, 5, 0},
    // Out of range or unreadable after a recognised prefix.
    {"DOW:7", start, none, failed, none, 0, 0, 0},
    {"DOW:-1", start, none, failed, none, 0, 0, 0},
    {"DOW:", start, none, failed, none, 0, 0, 0},
    {"DOW:x", start, none, failed, none, 0, 0, 0},
    {"DOW:+ 3", start, none, failed, none, 0, 0, 0},
    {"DOW:4294967299", start, none, failed, none, 0, 0, 0}, // must not wrap to 3
    {"D:0", start, none, failed, none, 0, 0, 0},
    {"D:32", start, none, failed, none, 0, 0, 0},
    {"D:", start, none, failed, none, 0, 0, 0},
    {"MD:13/1", start, none, failed, none, 0, 0, 0},
    {"MD:0/5", start, none, failed, none, 0, 0, 0},
    {"MD:1/0", start, none, failed, none, 0, 0, 0},
    {"MD:1/32", start, none, failed, none, 0, 0, 0},
    {"MD:1", start, none, failed, none, 0, 0, 0},
    {"MD:1/", start, none, failed, none, 0, 0, 0},
    {"MD:1-5", start, none, failed, none, 0, 0, 0},
    {"MD:1 /5", start, none, failed, none, 0, 0, 0},
    // Near misses are no qualifier at all: left for the time-of-day parse.
    {"DOWN:3", start, none, no_qualifier, none, 0, 0, 0},
    {"DAY:3", start, none, no_qualifier, none, 0, 0, 0},
    {"DOW3", start, none, no_qualifier, none, 0, 0, 0},
    {"DO", start, none, no_qualifier, none, 0, 0, 0},
    {"D", start, none, no_qualifier, none, 0, 0, 0},
    {" D:5", start, none, no_qualifier, none, 0, 0, 0},
    {"08:00", start, none, no_qualifier, none, 0, 0, 0},
    {"", start, none, no_qualifier, none, 0, 0, 0},
    // Only ASCII letters fold: a dotless or Latin-1 lookalike is not "D".
    {"\xc4\xb0:5", start, none, no_qualifier, none, 0, 0, 0},
    {"\xc4:5", start, none, no_qualifier, none, 0, 0, 0},
    // An end qualifier repeats the start's kind and leaves the kind alone.
    {"DOW:5", end, week, accepted, week, 5, 0, 0},
    {"d:20", end, month, accepted, month, 0, 20, 0},
    {"MD:1/2", end, year, accepted, year, 0, 2, 0},
    {"17:00", end, week, no_qualifier, week, 0, 0, 0},
    // Any other kind fails, tested before the number is read.
    {"D:5", end, week, failed, week, 0, 0, 0},
    {"DOW:1", end, month, failed, month, 0, 0, 0},
    {"DOW:9", end, year, failed, year, 0, 0, 0},
    {"DOW:5", end, none, failed, none, 0, 0, 0},
    {"MD:1/1", end, none, failed, none, 0, 0, 0},
    // The right kind still needs a valid number.
    {"DOW:7", end, week, failed, week, 0, 0, 0},
};

TEST(parse_day_qualifier, recognises_validates_and_pairs) {
    for (const auto& c : qualifier_cases) {
        day_qualifier kind = c.kind_before;
        std::tm bound{};
        const qualifier_parse result = parse_day_qualifier(c.text, c.role, kind, bound);
        EXPECT_EQ(result, c.result) << '"' << c.text << '"';
        EXPECT_EQ(kind, c.kind_after) << '"' << c.text << '"';
        if (result != accepted)
            continue;
        std::tm expected{};
        expected.tm_wday = c.week_day;
        expected.tm_mday = c.month_day;
        expected.tm_mon = c.month;
        EXPECT_EQ(bound.tm_wday, expected.tm_wday) << '"' << c.text << '"';
        EXPECT_EQ(bound.tm_mday, expected.tm_mday) << '"' << c.text << '"';
        EXPECT_EQ(bound.tm_mon, expected.tm_mon) << '"' << c.text << '"';
        EXPECT_EQ(bound.tm_hour + bound.tm_min + bound.tm_sec + bound.tm_year + bound.tm_yday +
                      bound.tm_isdst,
                  0)
            << '"' << c.text << '"';
    }
}

TEST(parse_day_qualifier, leaves_a_null_argument_to_the_time_parse) {
    day_qualifier kind = none;
    std::tm bound{};
    EXPECT_EQ(parse_day_qualifier(nullptr, start, kind, bound), no_qualifier);
}

} // namespace
} // namespace quorvel
