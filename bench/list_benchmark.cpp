// The typed-list readers on a pasted base of a million entries, beside the
// baseline scan and the memchr floor on the same text.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "bench/allocation_counter.h"
#include "bench/bench_inputs.h"
#include "bench/reference_scans.h"
#include "filters/three/base_list_conditions.h"
#include "filters/two/two_list_conditions.h"
#include "numbers/number_list.h"
#include "tools/extract_last_two.h"

namespace shrink::bench {
namespace {

// The big three-digit base lists 600 of the 1000 numbers, as a pasted
// shrink result does: the other 400 members make the baseline read every
// entry. With all 1000 listed, each member finds an equal entry early.
void ListedCounts(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgName("listed")->Arg(600)->Arg(1000)->Unit(benchmark::kMillisecond);
}

void SetBytes(benchmark::State& state, std::size_t bytes_per_op) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes_per_op));
}

void BM_KeepListedThree(benchmark::State& state) {
  const std::string full_set = MakeFullSet(3);
  const std::string& base = BigTypedBase(3, static_cast<int>(state.range(0)));
  const AllocationTally allocations;
  for (auto _ : state) benchmark::DoNotOptimize(KeepListedThree(full_set, base));
  allocations.Report(state);
  SetBytes(state, base.size());
}
BENCHMARK(BM_KeepListedThree)->Apply(ListedCounts);

void BM_KeepListedThreeBaseline(benchmark::State& state) {
  const std::string full_set = MakeFullSet(3);
  const std::string& base = BigTypedBase(3, static_cast<int>(state.range(0)));
  std::string result;
  const AllocationTally allocations;
  for (auto _ : state) {
    result = KeepListedThreeBaseline(full_set, base);
    benchmark::DoNotOptimize(result);
  }
  allocations.Report(state);
  SetBytes(state, base.size());
  if (result != KeepListedThree(full_set, base)) state.SkipWithError("engine and baseline differ");
}
BENCHMARK(BM_KeepListedThreeBaseline)->Apply(ListedCounts);

void BM_SeparatorFloor(benchmark::State& state) {
  const std::string& base = BigTypedBase(3, static_cast<int>(state.range(0)));
  std::size_t separators = 0;
  const AllocationTally allocations;
  for (auto _ : state) {
    separators = CountSeparatorsWithMemchr(base);
    benchmark::DoNotOptimize(separators);
  }
  allocations.Report(state);
  SetBytes(state, base.size());
  // The base ends with an entry, so it has one piece more than separators.
  if (separators + 1 != CountPieces(base)) state.SkipWithError("floor missed separators");
}
BENCHMARK(BM_SeparatorFloor)->Apply(ListedCounts);

void BM_KeepListedTwo(benchmark::State& state) {
  const std::string full_set = MakeFullSet(2);
  const std::string& base = BigTypedBase(2, 60);
  const AllocationTally allocations;
  for (auto _ : state) benchmark::DoNotOptimize(KeepListedTwo(full_set, base));
  allocations.Report(state);
  SetBytes(state, base.size());
}
BENCHMARK(BM_KeepListedTwo)->Unit(benchmark::kMillisecond);

void BM_CountNumbers(benchmark::State& state) {
  const std::string& base = BigTypedBase(3, 600);
  const AllocationTally allocations;
  for (auto _ : state) benchmark::DoNotOptimize(CountNumbers(base));
  allocations.Report(state);
  SetBytes(state, base.size());
}
BENCHMARK(BM_CountNumbers)->Unit(benchmark::kMillisecond);

void BM_ExtractLastTwo(benchmark::State& state) {
  const std::string& base = BigTypedBase(3, 600);
  const AllocationTally allocations;
  for (auto _ : state) benchmark::DoNotOptimize(ExtractLastTwo(base));
  allocations.Report(state);
  SetBytes(state, base.size());
}
BENCHMARK(BM_ExtractLastTwo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace shrink::bench
