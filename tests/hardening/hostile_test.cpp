// Command lines no caller should send, and that a scheduled job may send
// anyway: every byte in every place, huge arguments, huge argument counts.
// Each answer is judged by the reference model (harness.hpp), and where a
// row states its expectation, by that too.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace quorvel::hardening {
namespace {

constexpr std::size_t mebibyte = std::size_t{1024} * 1024;

// Monday 7 December 2026 at 12:34, and Friday night 11 December at 23:15:
// most windows below are open at one and closed at the other.
fuzz_case at_monday_noon(std::vector<std::string> arguments) {
    return make_case(2026, 12, 7, 12, 34, std::move(arguments));
}

fuzz_case at_friday_night(std::vector<std::string> arguments) {
    return make_case(2026, 12, 11, 23, 15, std::move(arguments));
}

struct mutation_site {
    std::vector<std::string> arguments;
    std::size_t target; // the argument whose bytes are changed
};

// Valid bounds and qualifiers in each place a bound can stand, several at the
// edges of their ranges so that one changed byte can step over an edge.
const mutation_site mutation_sites[] = {
    {{"08:30", "17:00"}, 0},
    {{"23:59", "17:00"}, 0},
    {{"22:00", "06:45"}, 1},
    {{"0:0", "06:45"}, 1},
    {{"DOW:1", "08:00", "17:00"}, 0},
    {{"DOW:6", "08:00", "17:00"}, 0},
    {{"DOW:1", "08:30", "DOW:5", "17:00"}, 1},
    {{"DOW:1", "08:00", "DOW:0", "17:00"}, 2},
    {{"D:7", "08:00", "D:20", "17:00"}, 0},
    {{"D:31", "08:00", "D:1", "17:00"}, 2},
    {{"d:7", "08:00", "d:31", "17:00"}, 2},
    {{"MD:12/7", "08:00", "23:30"}, 0},
    {{"MD:1/31", "08:00", "23:30"}, 0},
    {{"md:12/24", "00:00", "MD:12/31", "00:00"}, 2},
};

TEST(hostile_input, every_byte_at_every_position_of_a_bound_or_qualifier) {
    int accepted = 0;
    int rejected = 0;
    for (const auto& site : mutation_sites) {
        const std::string original = site.arguments[site.target];
        for (int value = 1; value <= 255; ++value) {
            const char byte = static_cast<char>(value);
            for (std::size_t position = 0; position <= original.size(); ++position) {
                std::vector<std::string> variants;
                std::string inserted = original;
                variants.push_back(inserted.insert(position, 1, byte));
                if (position < original.size()) {
                    std::string replaced = original;
                    replaced[position] = byte;
                    variants.push_back(replaced);
                }
                for (const auto& variant : variants) {
                    std::vector<std::string> arguments = site.arguments;
                    arguments[site.target] = variant;
                    for (const fuzz_case& input :
                         {at_monday_noon(arguments), at_friday_night(arguments)}) {
                        const run_output output = run_core(input);
                        ASSERT_EQ(find_violation(input, output), "")
                            << "byte " << value << " at " << position << " of \"" << original
                            << "\"";
                        ++(output.status == -1 ? rejected : accepted);
                    }
                }
            }
        }
    }
    // Both outcomes occur, so neither side of the comparison is vacuous.
    EXPECT_GT(accepted, 1000);
    EXPECT_GT(rejected, 1000);
}

std::string repeated(const std::string& text, std::size_t total) {
    std::string result;
    result.reserve(total + text.size());
    while (result.size() < total)
        result += text;
    return result;
}

struct long_case {
    const char* label;
    std::vector<std::string> arguments;
    int status; // at Monday 12:34; -1 when rejected
};

// A mebibyte in one argument, in each part of a bound that loops over text.
std::vector<long_case> long_cases() {
    const std::string zeros(mebibyte, '0');
    return {
        {"leading zeros", {zeros + "8:05", "17:00"}, 1},
        {"zeros before the minute", {"8:" + zeros + "5", "12:00"}, 0},
        {"leading white space", {std::string(mebibyte, ' ') + "8:05", "17:00"}, 1},
        {"mixed white space", {repeated(" \t\n\v\f\r", mebibyte) + "8:05", "17:00"}, 1},
        {"trailing text", {"8:05" + std::string(mebibyte, 'x'), "17:00"}, 1},
        {"a negative zero", {"-" + zeros + ":00", "17:00"}, 1},
        {"one huge number", {std::string(mebibyte, '9') + ":00", "17:00"}, -1},
        {"a huge minute", {"8:" + std::string(mebibyte, '9'), "17:00"}, -1},
        {"all high bytes", {std::string(mebibyte, '\xff'), "17:00"}, -1},
        {"all colons", {std::string(mebibyte, ':'), "17:00"}, -1},
        {"zeros in a qualifier", {"DOW:" + zeros + "1", "08:00", "17:00"}, 1},
        {"zeros in a month/day", {"MD:" + zeros + "12/" + zeros + "7", "08:00", "17:00"}, 1},
        {"a qualifier of qualifiers", {repeated("DOW:", mebibyte), "08:00", "17:00"}, -1},
        {"a long end", {"08:00", "17:00" + repeated(" 12:00", mebibyte)}, 1},
    };
}

TEST(hostile_input, a_mebibyte_in_one_argument) {
    for (const auto& c : long_cases()) {
        const fuzz_case input = at_monday_noon(c.arguments);
        const run_output output = run_core(input);
        EXPECT_EQ(output.status, c.status) << c.label;
        EXPECT_EQ(find_violation(input, output), "") << c.label;
    }
}

struct many_case {
    const char* label;
    std::vector<std::string> leading; // then `count` copies of `filler`
    std::string filler;
    std::size_t count;
    int status;
};

const many_case many_cases[] = {
    {"a valid window, then junk", {"08:00", "17:00"}, "25:99", 100000, 1},
    {"a valid window, then empty arguments", {"08:00", "17:00"}, "", 100000, 1},
    {"a qualified window, then qualifiers",
     {"DOW:1", "08:00", "DOW:1", "17:00"},
     "DOW:1",
     100000,
     1},
    {"qualifiers only", {}, "DOW:1", 100000, -1},
    {"empty arguments only", {}, "", 100000, -1},
    {"times only", {}, "08:00", 100000, 0},
};

TEST(hostile_input, a_hundred_thousand_arguments) {
    for (const auto& c : many_cases) {
        std::vector<std::string> arguments = c.leading;
        arguments.insert(arguments.end(), c.count, c.filler);
        const fuzz_case input = at_monday_noon(arguments);
        const run_output output = run_core(input);
        EXPECT_EQ(output.status, c.status) << c.label;
        EXPECT_EQ(find_violation(input, output), "") << c.label;
    }
}

struct foreign_case {
    std::vector<std::string> arguments;
    int status; // at Monday 12:34
};

// Bytes from outside printable ASCII: only ASCII white space and digits
// count, only ASCII letters fold, and whatever follows a bound is ignored.
const foreign_case foreign_cases[] = {
    {{"\x01"
      "08:00",
      "17:00"},
     -1},
    {{"\x7f"
      "08:00",
      "17:00"},
     -1},
    {{"\x1b[1m08:00", "17:00"}, -1},
    {{"\xef\xbb\xbf"
      "08:00",
      "17:00"},
     -1}, // byte order mark
    {{"\xc2\xa0"
      "8:00",
      "17:00"},
     -1}, // no-break space
    {{"\xc2\x85"
      "8:00",
      "17:00"},
     -1}, // next line (NEL)
    {{"\xe2\x80\x83"
      "8:00",
      "17:00"},
     -1},                                           // em space
    {{"\xef\xbc\x90\xef\xbc\x98:00", "17:00"}, -1}, // full-width 08
    {{"\xd9\xa0\xd9\xa8:00", "17:00"}, -1},         // Arabic-Indic 08
    {{"8\xef\xbc\x9a"
      "00",
      "17:00"},
     -1},                                                               // full-width colon
    {{"\xef\xbc\xa4\xef\xbc\xaf\xef\xbc\xb7:1", "08:00", "17:00"}, -1}, // full-width DOW
    {{"DOW:\xd9\xa1", "08:00", "17:00"}, -1},                           // Arabic-Indic 1
    {{"\xc4\xb0:5", "08:00", "17:00"}, -1},                             // dotted capital I
    {{"\x0b"
      "8:00",
      "\x0c"
      "17:00"},
     1}, // vertical tab, form feed
    {{"08:00\x01", "17:00\xff"}, 1},
    {{"08:00\xe2\x80\x8b", "17:00\x1b[0m"}, 1}, // zero-width space after
    {{"DOW:1\xc3\xa9", "08:00", "17:00"}, 1},
    {{"\xff\xfe", "\x80"}, -1},
    {{"\x01", "\x02", "\x03"}, -1},
};

TEST(hostile_input, control_and_non_ascii_bytes) {
    for (const auto& c : foreign_cases) {
        const fuzz_case input = at_monday_noon(c.arguments);
        const run_output output = run_core(input);
        EXPECT_EQ(output.status, c.status) << c.arguments[0];
        EXPECT_EQ(find_violation(input, output), "") << c.arguments[0];
    }
}

} // namespace
} // namespace quorvel::hardening
