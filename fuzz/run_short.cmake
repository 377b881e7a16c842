# Runs one fuzz target for a fixed number of inputs, starting from its
# committed corpus. What the fuzzer finds goes to a scratch folder emptied
# first, so the committed corpus is never written and every run starts alike.
# Usage: cmake -DFUZZER=<binary> -DRUNS=<n> -DCORPUS=<dir> -DSCRATCH=<dir> -P run_short.cmake
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}/corpus")
execute_process(
  COMMAND "${FUZZER}" -runs=${RUNS} -print_final_stats=1 "-artifact_prefix=${SCRATCH}/"
          "${SCRATCH}/corpus" "${CORPUS}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input is kept in ${SCRATCH}")
endif()
