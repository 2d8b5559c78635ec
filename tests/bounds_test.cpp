#include "bounds.hpp"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

struct accepted_time {
    const char* text;
    int hour;
    int minute;
};

// Each row is a way people (or scripts) actually write a time that must be
// read exactly as "%d:%d" would, without its locale or overflow hazards.
const accepted_time accepted_times[] = {
    // The plain range ends.
    {"0:0", 0, 0},
    {"00:00", 0, 0},
    {"23:59", 23, 59},
    // Single digits and leading zeros, however many.
    {"7:05", 7, 5},
    {"07:5", 7, 5},
    {"008:0005", 8, 5},
    {"0000000008:05", 8, 5},
    // Signs are part of a number; -0 is zero.
    {"+8:-0", 8, 0},
    {"-0:+0", 0, 0},
    // White space before either number is skipped: all six ASCII kinds.
    {" 8: 5", 8, 5},
    {"\t\n\v\f\r8:\t\n\v\f\r5", 8, 5},
    // Whatever follows the minute is ignored.
    {"08:30pm", 8, 30},
    {"8:30:45", 8, 30},
    {"8:3 0", 8, 3},
    {"9:15 and more text", 9, 15},
};

TEST(parse_time_of_day, reads_hour_and_minute) {
    for (const auto& row : accepted_times) {
        std::tm bound{};
        ASSERT_TRUE(parse_time_of_day(row.text, bound)) << '"' << row.text << '"';
        EXPECT_EQ(bound.tm_hour, row.hour) << '"' << row.text << '"';
        EXPECT_EQ(bound.tm_min, row.minute) << '"' << row.text << '"';
    }
}

const char* const rejected_times[] = {
    // Read, then out of range: 24:00 cannot be written.
    "24:00", "23:60", "-1:00", "12:-5",
    // A number is missing or the colon does not follow the hour at once.
    "12", ":30", "12:", "12.30", "8::30", "8 :00", "0x10:00",
    // A sign must touch its digits.
    "+ 8:00", "- 8:00", "8:+ 5",
    // Nothing there at all.
    "", " ", "   \t ",
    // Only ASCII counts: no-break space (octal, which stops after three
    // digits where a hex escape would swallow the 8), full-width digits.
    "\2408:00", "\xef\xbc\x98:00",
    // Too long for a 32-bit number: rejected, never wrapped into range.
    "4294967304:00", "8:4294967301", "2147483648:00", "-2147483649:00",
    "99999999999999999999999999999999999999:00"};

TEST(parse_time_of_day, rejects_and_leaves_the_record_alone) {
    for (const char* text : rejected_times) {
        std::tm bound{};
        bound.tm_hour = 11;
        bound.tm_min = 22;
        EXPECT_FALSE(parse_time_of_day(text, bound)) << '"' << text << '"';
        EXPECT_EQ(bound.tm_hour, 11) << '"' << text << '"';
        EXPECT_EQ(bound.tm_min, 22) << '"' << text << '"';
    }
    std::tm bound{};
    EXPECT_FALSE(parse_time_of_day(nullptr, bound));
}

TEST(parse_time_of_day, touches_no_other_field) {
    std::tm bound{};
    bound.tm_sec = 1;
    bound.tm_mday = 2;
    bound.tm_mon = 3;
    bound.tm_year = 4;
    bound.tm_wday = 5;
    bound.tm_yday = 6;
    bound.tm_isdst = 7;
    ASSERT_TRUE(parse_time_of_day("12:34", bound));
    EXPECT_EQ(bound.tm_sec, 1);
    EXPECT_EQ(bound.tm_mday, 2);
    EXPECT_EQ(bound.tm_mon, 3);
    EXPECT_EQ(bound.tm_year, 4);
    EXPECT_EQ(bound.tm_wday, 5);
    EXPECT_EQ(bound.tm_yday, 6);
    EXPECT_EQ(bound.tm_isdst, 7);
}

TEST(read_number, holds_exactly_the_signed_32_bit_range) {
    struct row {
        const char* text;
        bool read;
        int value;
    };
    const row rows[] = {
        {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},         {"-2147483649", false, 0},
        {"4294967304", false, 0},
    };
    for (const auto& r : rows) {
        const char* text = r.text;
        int value = 0;
        EXPECT_EQ(read_number(text, value), r.read) << r.text;
        if (r.read) {
            EXPECT_EQ(value, r.value) << r.text;
        }
    }
}

TEST(read_number, survives_very_long_digit_runs) {
    // A thousand leading zeros are still the number after them.
    const std::string zeros = std::string(1000, '0') + "8:";
    const char* text = zeros.c_str();
    int value = 0;
    ASSERT_TRUE(read_number(text, value));
    EXPECT_EQ(value, 8);
    EXPECT_EQ(*text, ':');

    const std::string nines(100000, '9');
    text = nines.c_str();
    EXPECT_FALSE(read_number(text, value));
}

} // namespace
} // namespace quorvel
