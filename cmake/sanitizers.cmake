# Checked builds (the sanitize preset): AddressSanitizer and
# UndefinedBehaviorSanitizer over everything we build, stopping at the first
# finding, and with clang the libFuzzer targets of the readers (tests/fuzz).

option(BEXORU_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer; stop at the first finding" OFF)
option(BEXORU_FUZZ "Build the libFuzzer targets of the readers (clang only)" OFF)

if(BEXORU_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

if(BEXORU_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "BEXORU_FUZZ needs clang and its libFuzzer (use the sanitize preset)")
  endif()
  # Coverage feedback for the fuzzers from all the code a reader reaches;
  # the fuzz targets themselves link libFuzzer's main (tests/fuzz).
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
