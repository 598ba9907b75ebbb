# Cross-builds Windows executables with Debian's mingw-w64. The -posix variant has std::thread and
# std::mutex; -static keeps the executables free of the toolchain's DLLs, so Wine runs them as is.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORVELLE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVELLE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVELLE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVELLE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVELLE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# ctest starts the tests (and lists them) through Wine.
find_program(ORVELLE_WINE NAMES wine)
if(ORVELLE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVELLE_WINE})
endif()
