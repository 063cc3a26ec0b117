#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "memoryprobe.h"

namespace korvex::bench {
namespace {

const char* const kStatus =
    "Name:\tbench_memory\n"
    "VmPeak:\t  300000 kB\n"
    "VmHWM:\t  123456 kB\n"
    "VmRSS:\t   98765 kB\n"
    "VmRSSx:\t      1 kB\n"
    "Threads:\t1\n"
    "VmOdd:\t  12 MB\n";

TEST(MemoryProbeTest, ReadsKibValuesOfStatusLines) {
  EXPECT_EQ(StatusValueKiB(kStatus, "VmRSS"), 98765);
  EXPECT_EQ(StatusValueKiB(kStatus, "VmHWM"), 123456);
  EXPECT_EQ(StatusValueKiB(kStatus, "VmRSSx"), 1);
  // Missing keys, prefixes of keys, values without kB and the last line without line end.
  EXPECT_EQ(StatusValueKiB(kStatus, "VmSwap"), std::nullopt);
  EXPECT_EQ(StatusValueKiB(kStatus, "VmRS"), std::nullopt);
  EXPECT_EQ(StatusValueKiB(kStatus, "Threads"), std::nullopt);
  EXPECT_EQ(StatusValueKiB(kStatus, "VmOdd"), std::nullopt);
  EXPECT_EQ(StatusValueKiB("VmRSS:\t42 kB", "VmRSS"), 42);
  EXPECT_EQ(StatusValueKiB("VmRSS:\t", "VmRSS"), std::nullopt);
  EXPECT_EQ(StatusValueKiB("", "VmRSS"), std::nullopt);
}

// Touching 64 MiB must show in the resident set and the peak, and the peak must stay after the
// memory is given back until it is reset.
TEST(MemoryProbeTest, SeesMemoryTouchedAndItsPeak) {
#ifdef __SANITIZE_ADDRESS__
  // AddressSanitizer's allocator keeps freed blocks in quarantine and tells malloc's counters
  // nothing, so what this probe measures does not exist in such a build.
  GTEST_SKIP() << "heap figures are not measurable under AddressSanitizer";
#endif
  constexpr size_t kBytes = 64u << 20;
  constexpr long kKib = kBytes / 1024;
  const MemoryStatus before = ReadMemoryStatus();
  EXPECT_GT(before.rss_kib, 0);
  EXPECT_GE(before.peak_kib, before.rss_kib);
  {
    std::unique_ptr<char[]> block(new char[kBytes]);
    std::memset(block.get(), 1, kBytes);
    const MemoryStatus touched = ReadMemoryStatus();
    EXPECT_GE(touched.rss_kib - before.rss_kib, kKib * 9 / 10);
    EXPECT_GE(touched.peak_kib, touched.rss_kib);
    EXPECT_GE(HeapInUse(), kBytes);
  }
  const MemoryStatus freed = ReadMemoryStatus();
  EXPECT_LT(freed.rss_kib, before.rss_kib + kKib / 2);
  EXPECT_GE(freed.peak_kib, before.rss_kib + kKib * 9 / 10);
  if (ResetPeak()) {
    EXPECT_LT(ReadMemoryStatus().peak_kib, before.rss_kib + kKib / 2);
  }
}

}  // namespace
}  // namespace korvex::bench
