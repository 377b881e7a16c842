// Counts heap allocations of the benchmark binary, to show that an operation
// allocates a fixed number of times per call, not once per entry it reads.
#pragma once

#include <cstddef>
#include <cstdint>

namespace benchmark {
class State;
}

namespace shrink::bench {

// The number of global operator new calls since the program started.
[[nodiscard]] std::uint64_t AllocationCount();

// Counts the allocations from its construction to Report(), which sets the
// counter "allocs_per_op" (allocations per iteration) of the benchmark.
class AllocationTally {
 public:
  AllocationTally() : start_(AllocationCount()) {}
  void Report(benchmark::State& state) const;

 private:
  std::uint64_t start_;
};

}  // namespace shrink::bench
