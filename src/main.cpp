#include "check.hpp"
#include "platform.hpp"

#include <ctime>

int main(int argc, char* argv[]) {
    quorvel::platform::prepare_output();

    std::tm now{};
    const bool have_now = quorvel::platform::read_local_time(now);

    quorvel::output_text out;
    const quorvel::check_result verdict =
        quorvel::check_window(argc, argv, have_now ? &now : nullptr, out);

    quorvel::platform::write_stdout(out.data(), out.size());
    return static_cast<int>(verdict);
}
