# Initial cache of the fuzzing build: cmake -C fuzz/fuzz-build.cmake -S . -B build-fuzz.
# clang with AddressSanitizer and UndefinedBehaviorSanitizer (VOR_SANITIZE), and
# libFuzzer's coverage instrumentation in every library the targets link.
set(CMAKE_CXX_COMPILER clang++ CACHE STRING "")
set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "")
set(CMAKE_CXX_FLAGS "-fsanitize=fuzzer-no-link -ffp-exception-behavior=strict" CACHE STRING "")
set(VOR_SANITIZE ON CACHE BOOL "")
set(VOR_FUZZ ON CACHE BOOL "")
