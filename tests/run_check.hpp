#pragma once

#include "check.hpp"

#include <ctime>
#include <sstream>
#include <string>
#include <vector>

namespace quorvel::testing {

struct run_result {
    check_result status;
    std::string text;
};

// Runs the core as the process would: argv[0] set, a terminating null, and
// the snapshot given (null when the clock could not be read).
inline run_result run(const std::tm* now, const std::vector<const char*>& arguments) {
    std::vector<const char*> argv{"quorvel"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    const int argc = static_cast<int>(argv.size());
    argv.push_back(nullptr);
    output_text out;
    const check_result status = check_window(argc, argv.data(), now, out);
    return {status, std::string(out.data(), out.size())};
}

// The same, with a command line written as one string split on blanks.
inline run_result run(const std::tm& now, const std::string& command_line) {
    std::istringstream words(command_line);
    std::vector<std::string> owned;
    for (std::string word; words >> word;)
        owned.push_back(word);
    std::vector<const char*> arguments;
    arguments.reserve(owned.size());
    for (const auto& word : owned)
        arguments.push_back(word.c_str());
    return run(&now, arguments);
}

} // namespace quorvel::testing
