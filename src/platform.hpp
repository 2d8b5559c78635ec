#pragma once

#include <cstddef>
#include <ctime>

// Everything that differs between POSIX and Windows lives behind these calls.
namespace quorvel::platform {

// Makes output failures harmless: a vanished pipe reader must not kill the
// process before it can return its verdict.
void prepare_output();

// One snapshot of the clock as local wall-clock time, with the system's time
// zone and daylight-saving rules. False when the clock or the conversion fails.
bool read_local_time(std::tm& now);

// Writes to standard output (text mode) and flushes; failures are ignored.
void write_stdout(const char* bytes, std::size_t size);

} // namespace quorvel::platform
