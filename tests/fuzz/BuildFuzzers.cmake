# Configures (once) and builds the fuzz project with clang++.
#   cmake -DSOURCE_DIR=... -DBUILD_DIR=... -DCXX=clang++ -P BuildFuzzers.cmake
if(NOT CXX)
  message(FATAL_ERROR "clang++ is not installed: run scripts/install-deps (clang, libclang-rt-dev)")
endif()
if(NOT EXISTS ${BUILD_DIR}/CMakeCache.txt)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BUILD_DIR} -G Ninja
      -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    file(REMOVE ${BUILD_DIR}/CMakeCache.txt)
    message(FATAL_ERROR "configuring the fuzzers failed")
  endif()
endif()
# One job: the unit tests run beside this on a small machine.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} -j 1 RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "building the fuzzers failed")
endif()
