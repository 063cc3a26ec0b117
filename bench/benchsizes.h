#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <utility>

#include <benchmark/benchmark.h>

// The collection sizes every benchmark runs at, and how often: the largest runs take seconds on the
// two-core development machine, so they get single iterations and three repetitions, whose median
// the table reports.
namespace korvex::bench {

inline constexpr std::array<int, 3> kSizes = {1000, 10000, 100000};

inline void ConfigureRuns(benchmark::internal::Benchmark* run, int coins) {
  run->UseRealTime()->Unit(benchmark::kMillisecond)->ReportAggregatesOnly(true);
  if (coins >= 100000) run->Iterations(1)->Repetitions(3);
  else if (coins >= 10000) run->Iterations(3)->Repetitions(5);
  else run->Iterations(20)->Repetitions(5);
}

using SizedBenchmark = void (*)(benchmark::State&, int);

// Registers every benchmark at every size, smallest size first and the benchmarks of one size in
// the order given, so that an operation and its reference run next to each other. Names become
// "<name>/<coins>".
inline void RegisterBySize(std::initializer_list<std::pair<const char*, SizedBenchmark>> runs) {
  for (const int coins : kSizes) {
    for (const auto& [name, function] : runs) {
      const std::string full_name = std::string(name) + "/" + std::to_string(coins);
      ConfigureRuns(benchmark::RegisterBenchmark(full_name.c_str(), function, coins), coins);
    }
  }
}

// The whole main function of a benchmark program: registers `runs` by size and runs them.
inline int RunBySize(int argc, char** argv,
                     std::initializer_list<std::pair<const char*, SizedBenchmark>> runs) {
  benchmark::Initialize(&argc, argv);
  RegisterBySize(runs);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace korvex::bench
