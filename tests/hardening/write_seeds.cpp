// Writes the fuzzer's seed corpus: the command lines of the unit tests'
// tables, each at a few clocks, in the fuzzer's input format.
// Usage: write_seeds DIRECTORY
#include "harness.hpp"

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct dated_clock {
    int year, month, day, hour, minute;
};

// Weekdays, month ends, leap days and the turn of the year.
const dated_clock clocks[] = {
    {2026, 12, 7, 12, 0}, {2026, 12, 11, 23, 15}, {2027, 1, 1, 0, 30},    {2028, 2, 29, 8, 0},
    {2028, 3, 1, 1, 0},   {2100, 3, 1, 1, 0},     {2026, 11, 30, 16, 59}, {2000, 12, 31, 23, 59},
    {2027, 1, 31, 12, 0}, {2027, 2, 1, 0, 30},    {2028, 2, 28, 23, 30},  {2026, 5, 1, 0, 0},
};

const std::vector<std::vector<std::string>> command_lines = {
    // Time windows of every shape.
    {"08:00", "17:00"},
    {"22:00", "06:00"},
    {"12:00", "12:00"},
    {"12:50", "12:10"},
    {"0:0", "23:59"},
    {"8:0", "17:5"},
    {"08:00", "17:00", "extra", "25:99"},
    // How numbers may be written.
    {"008:0005", "+8:-0"},
    {" 8: 5", "\t\n\v\f\r8:\t\n\v\f\r5"},
    {"08:30pm", "8:30:45"},
    {"9:15 and more text", "8:3 0"},
    // Rejected times.
    {"24:00", "23:60"},
    {"12", ":30"},
    {"8::30", "8 :00"},
    {"+ 8:00", "0x10:00"},
    {"\2408:00", "\xef\xbc\x98:00"}, // no-break space, full-width 8
    {"4294967304:00", "8:4294967301"},
    {"2147483648:00", "-2147483649:00"},
    {"", ""},
    {"08:00"},
    {},
    // Qualified windows.
    {"DOW:1", "08:00", "DOW:5", "17:00"},
    {"DOW:5", "18:00", "DOW:1", "06:00"},
    {"DOW:5", "22:00", "06:00"},
    {"dow:1", "8:00", "Dow:5", "17:0"},
    {"D:25", "00:00", "D:5", "00:00"},
    {"D:31", "23:00", "01:00"},
    {"d:10", "09:00", "D:20", "17:00"},
    {"MD:12/24", "00:00", "MD:1/2", "00:00"},
    {"MD:2/29", "08:00", "17:00"},
    {"md:2/28", "22:00", "02:00"},
    {"MD:001/0005", "08:00", "MD:12/24/99", "17:00"},
    // Month ends, where a day that some months lack meets the next month.
    {"MD:1/31", "12:00", "MD:2/1", "12:00"},
    {"MD:2/28", "23:00", "MD:3/1", "01:00"},
    {"MD:4/31", "00:00", "MD:5/1", "00:00"},
    {"MD:12/31", "23:59", "MD:1/1", "00:01"},
    {"D:28", "22:00", "D:1", "02:00"},
    {"D:29", "22:00", "02:00"},
    {"D:30", "23:00", "01:00"},
    // Rejected qualifiers and pairings.
    {"DOW:7", "08:00", "17:00"},
    {"D:0", "08:00", "D:32", "17:00"},
    {"MD:13/1", "08:00", "MD:1 /5", "17:00"},
    {"DOW:4294967299", "08:00", "17:00"},
    {"DOW:1", "08:00", "D:5", "17:00"},
    {"08:00", "DOW:5", "17:00"},
    {"DOW:1", "DOW:2", "08:00", "17:00"},
    {"DOWN:3", "08:00", "17:00"},
    {"\xc4\xb0:5", "08:00", "17:00"},
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        static_cast<void>(std::fputs("usage: write_seeds DIRECTORY\n", stderr));
        return 2;
    }
    int written = 0;
    for (const auto& clock : clocks) {
        for (const auto& arguments : command_lines) {
            const std::string bytes = quorvel::hardening::encode(
                clock.year, clock.month, clock.day, clock.hour, clock.minute, arguments);
            const std::string path = std::string(argv[1]) + "/seed-" + std::to_string(written++);
            std::FILE* file = std::fopen(path.c_str(), "wb");
            if (file == nullptr)
                return 1;
            const bool complete = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
            if (std::fclose(file) != 0 || !complete)
                return 1;
        }
    }
    return 0;
}
