#include "harness.hpp"

#include "calendar.hpp"
#include "check.hpp"
#include "reference.hpp"
#include "run_check.hpp"

#include <cstdio>
#include <utility>

namespace quorvel::hardening {

namespace {

std::uint8_t byte_at(const std::uint8_t* data, std::size_t size, std::size_t index) {
    return index < size ? data[index] : 0;
}

std::string usage_text() {
    output_text out;
    print_usage(out);
    return {out.data(), out.size()};
}

// A strict reader for "Now(HH:MM) is [not ]between Start-Time(HH:MM) and
// End-Time(HH:MM).\n": literal text must match exactly, each field is two
// digits.
class line_reader {
  public:
    explicit line_reader(const std::string& text) : text_(text) {}

    bool literal(const char* expected) {
        const std::string wanted(expected);
        if (text_.compare(at_, wanted.size(), wanted) != 0)
            return false;
        at_ += wanted.size();
        return true;
    }

    bool two_digits(int& value) {
        if (at_ + 2 > text_.size() || !is_digit(text_[at_]) || !is_digit(text_[at_ + 1]))
            return false;
        value = (text_[at_] - '0') * 10 + (text_[at_ + 1] - '0');
        at_ += 2;
        return true;
    }

    bool clock(const char* label, clock_time& time) {
        return literal(label) && literal("(") && two_digits(time.hour) && literal(":") &&
               two_digits(time.minute) && literal(")");
    }

    bool at_end() const { return at_ == text_.size(); }

  private:
    static bool is_digit(char c) { return c >= '0' && c <= '9'; }

    const std::string& text_;
    std::size_t at_ = 0;
};

struct report {
    clock_time now;
    bool negated = false;
    clock_time start;
    clock_time end;
};

bool read_report(const std::string& text, report& line) {
    line_reader reader(text);
    if (!reader.clock("Now", line.now) || !reader.literal(" is "))
        return false;
    line.negated = reader.literal("not ");
    return reader.literal("between ") && reader.clock("Start-Time", line.start) &&
           reader.literal(" and ") && reader.clock("End-Time", line.end) && reader.literal(".\n") &&
           reader.at_end();
}

bool same_time(const clock_time& a, const clock_time& b) {
    return a.hour == b.hour && a.minute == b.minute;
}

// The arguments that hold the two times, as the report claims them: each
// bound is its own argument unless a qualifier argument precedes it.
bool claimed_times(const std::vector<std::string>& arguments, std::string& start, std::string& end,
                   bool& qualified) {
    std::size_t index = 0;
    qualified = false;
    for (std::string* time : {&start, &end}) {
        if (index < arguments.size() && prefix_kind(arguments[index]) != day_kind::none) {
            qualified = true;
            ++index;
        }
        if (index >= arguments.size())
            return false;
        *time = arguments[index++];
    }
    return true;
}

std::string describe(const char* rule, const run_output& output) {
    return std::string(rule) + " (status " + std::to_string(output.status) + ", output \"" +
           output.text + "\")";
}

} // namespace

fuzz_case decode(const std::uint8_t* data, std::size_t size) {
    fuzz_case input;
    const std::uint8_t second = byte_at(data, size, 2);
    input.have_clock = second != no_clock;
    const long long days = byte_at(data, size, 3) | static_cast<long long>(byte_at(data, size, 4))
                                                        << 8;
    const civil_date date = civil_from_days(days);
    input.now.tm_hour = byte_at(data, size, 0) % 24;
    input.now.tm_min = byte_at(data, size, 1) % 60;
    input.now.tm_sec = second % 61;
    input.now.tm_isdst = second / 61 % 3 - 1;
    input.now.tm_year = static_cast<int>(date.year - 1900);
    input.now.tm_mon = date.month - 1;
    input.now.tm_mday = date.day;
    input.now.tm_wday = weekday_from_days(days);
    input.now.tm_yday = static_cast<int>(days - days_from_civil({date.year, 1, 1}));

    if (size <= header_size)
        return input;
    const auto separator = static_cast<char>(byte_at(data, size, 5));
    std::string piece;
    for (std::size_t i = header_size; i < size; ++i) {
        const auto c = static_cast<char>(data[i]);
        if (c == separator || c == '\0') {
            input.arguments.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    input.arguments.push_back(piece);
    return input;
}

std::string encode(int year, int month, int day, int hour, int minute,
                   const std::vector<std::string>& arguments) {
    const long long days = days_from_civil({year, month, day});
    std::string bytes = {static_cast<char>(hour),        static_cast<char>(minute),           '\0',
                         static_cast<char>(days & 0xff), static_cast<char>(days >> 8 & 0xff), '\0'};
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0)
            bytes += '\0';
        bytes += arguments[i];
    }
    return bytes;
}

fuzz_case make_case(int year, int month, int day, int hour, int minute,
                    std::vector<std::string> arguments) {
    const std::string header = encode(year, month, day, hour, minute, {});
    const std::vector<std::uint8_t> bytes(header.begin(), header.end());
    fuzz_case input = decode(bytes.data(), bytes.size());
    input.arguments = std::move(arguments);
    return input;
}

run_output run_core(const fuzz_case& input) {
    std::vector<const char*> arguments;
    arguments.reserve(input.arguments.size());
    for (const auto& argument : input.arguments)
        arguments.push_back(argument.c_str());
    const testing::run_result result =
        testing::run(input.have_clock ? &input.now : nullptr, arguments);
    return {static_cast<int>(result.status), result.text};
}

std::string find_violation(const fuzz_case& input, const run_output& output) {
    if (output.status < -1 || output.status > 1)
        return describe("status is not 1, 0 or -1", output);

    const bool usage = output.text == usage_text();
    if (usage != (output.status == -1))
        return describe("the usage block and status -1 must come together", output);

    report line;
    if (!usage) {
        if (!read_report(output.text, line))
            return describe("output is neither the usage block nor one report line", output);
        if (!same_time(line.now, {input.now.tm_hour, input.now.tm_min}))
            return describe("Now is not the snapshot's hour and minute", output);
        if (line.negated != (output.status == 0))
            return describe("the verdict word disagrees with the status", output);
        std::string start_text;
        std::string end_text;
        bool qualified = false;
        clock_time start;
        clock_time end;
        if (!claimed_times(input.arguments, start_text, end_text, qualified) ||
            !reference_time(start_text, start) || !reference_time(end_text, end))
            return describe("a report for arguments that hold no two times", output);
        if (!same_time(line.start, start) || !same_time(line.end, end))
            return describe("Start-Time or End-Time is not the argument's time", output);
        if (!qualified) {
            const int length =
                ((end.hour - start.hour) * 60 + end.minute - start.minute + 1440) % 1440;
            const int elapsed =
                ((line.now.hour - start.hour) * 60 + line.now.minute - start.minute + 1440) % 1440;
            if ((elapsed < length) != (output.status == 1))
                return describe("the verdict is wrong for the minutes since midnight", output);
        }
    }

    // Last, the whole answer against the second implementation: this is
    // what catches a wrongly accepted or wrongly rejected command line.
    const reference_outcome expected =
        reference_run(input.arguments, input.have_clock ? &input.now : nullptr);
    if (expected.rejected != usage)
        return describe(expected.rejected ? "accepted what must be rejected"
                                          : "rejected what must be accepted",
                        output);
    if (!usage && output.text != reference_line(expected, input.now))
        return describe("the report differs from the reference line", output);
    return {};
}

} // namespace quorvel::hardening
