# Initial cache of the fuzzing build: cmake -C fuzz/fuzz-build.cmake -S . -B build-fuzz.
# clang with AddressSanitizer and UndefinedBehaviorSanitizer (VOR_SANITIZE), and
# libFuzzer's coverage instrumentation in every library the targets link.
set(CMAKE_CXX_COMPILER clang++ CACHE STRING "")
set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "")
# The calculator reads faults from the floating-point flags, which clang keeps
# exact only with strict exception behaviour (g++ does by default). The line
# filter's table of byte pairs is computed at compile time in more steps than
# clang allows by default (g++ allows them).
set(CMAKE_CXX_FLAGS "-fsanitize=fuzzer-no-link -ffp-exception-behavior=strict -fconstexpr-steps=16777216"
    CACHE STRING "")
set(VOR_SANITIZE ON CACHE BOOL "")
set(VOR_FUZZ ON CACHE BOOL "")
