# The static checks run as tests of the builds: clang-tidy over the program
# sources each build compiles, and, once in the host build, cppcheck and the
# clang-format check of every source.
set(VANTREL_CHECK_STATIC ${PROJECT_SOURCE_DIR}/scripts/check-static)

# clang-tidy once per platform: the 64-bit Windows build compiles the same
# sources as the 32-bit one, which ships.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 8)
  return()
endif()
add_test(NAME static.clang_tidy COMMAND ${VANTREL_CHECK_STATIC} tidy ${CMAKE_BINARY_DIR})
if(NOT WIN32)
  add_test(NAME static.cppcheck COMMAND ${VANTREL_CHECK_STATIC} cppcheck)
  add_test(NAME static.clang_format COMMAND ${VANTREL_CHECK_STATIC} format)
endif()
set_tests_properties(static.clang_tidy PROPERTIES TIMEOUT 600)
