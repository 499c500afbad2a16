# Runs one fuzzer for a bounded time over its seeds; fails on any crash,
# broken property or sanitizer report, and names the saved input.
#   cmake -DFUZZER=... -DWORK_DIR=... -DSEED_DIR=... -DSECONDS=10 -DMAX_LEN=64 -P RunFuzzer.cmake
file(REMOVE_RECURSE ${WORK_DIR}/artifacts)
file(MAKE_DIRECTORY ${WORK_DIR}/corpus ${WORK_DIR}/artifacts)
execute_process(
  COMMAND ${FUZZER}
    -max_total_time=${SECONDS} -max_len=${MAX_LEN} -timeout=10 -rss_limit_mb=2048
    -print_final_stats=1 -artifact_prefix=${WORK_DIR}/artifacts/
    ${WORK_DIR}/corpus ${SEED_DIR}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(GLOB found ${WORK_DIR}/artifacts/*)
  message(FATAL_ERROR "fuzzer failed (exit ${result}); saved inputs: ${found}")
endif()
