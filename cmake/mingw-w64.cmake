# Cross build for Windows with Debian's MinGW-w64 toolchains; included by
# mingw-w64-i686.cmake and mingw-w64-x86_64.cmake, which name the target.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VANTREL_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${VANTREL_MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${VANTREL_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${VANTREL_MINGW_PREFIX}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${VANTREL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Link the GCC and C++ runtimes and winpthread statically, so the programs
# import only DLLs that ship with Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The end-to-end tests run the programs under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
