#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The memory a process holds, as the kernel and the allocator report it (Linux).
namespace korvex::bench {

struct MemoryStatus {
  long rss_kib = 0;   // resident set now (VmRSS)
  long peak_kib = 0;  // highest resident set since start or since the last ResetPeak (VmHWM)
};

// The value of a "Key:   1234 kB" line of a /proc status text, in KiB; nothing when the key is
// missing or its value is not a number in kB.
std::optional<long> StatusValueKiB(std::string_view status_text, std::string_view key);

// This process's figures from /proc/self/status. Throws std::runtime_error when unavailable.
MemoryStatus ReadMemoryStatus();

// Lowers the peak to the current resident set, so that the next peak belongs to what follows.
// False when the kernel does not offer it.
bool ResetPeak();

// Bytes the allocator has handed out and not got back.
size_t HeapInUse();

}  // namespace korvex::bench
