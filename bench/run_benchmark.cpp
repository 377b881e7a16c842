// The two "缩水" runs with every condition box of their panel filled.
#include <benchmark/benchmark.h>

#include "bench/allocation_counter.h"
#include "bench/bench_inputs.h"
#include "filters/three/last_three_run.h"
#include "filters/two/last_two_run.h"
#include "numbers/number_list.h"

namespace shrink::bench {
namespace {

// Runs per second; "members_left" shows that the last steps still had work.
template <void (*kRun)(Boxes&)>
void RunFilledPanel(benchmark::State& state, MapBoxes boxes, int result_box) {
  const AllocationTally allocations;
  for (auto _ : state) {
    kRun(boxes);
    benchmark::ClobberMemory();
  }
  allocations.Report(state);
  state.SetItemsProcessed(state.iterations());
  state.counters["members_left"] = static_cast<double>(CountPieces(boxes.Text(result_box)));
}

void BM_ShrinkLastThree(benchmark::State& state) {
  RunFilledPanel<ShrinkLastThree>(state, FilledLastThreeBoxes(), kLastThreeOutput.result_box);
}
BENCHMARK(BM_ShrinkLastThree)->Unit(benchmark::kMicrosecond);

void BM_ShrinkLastTwo(benchmark::State& state) {
  RunFilledPanel<ShrinkLastTwo>(state, FilledLastTwoBoxes(), kLastTwoOutput.result_box);
}
BENCHMARK(BM_ShrinkLastTwo)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace shrink::bench
