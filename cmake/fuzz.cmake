# The text conversions' fuzz target: clang's libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer. Only the conversions are built; they hold no text that needs the
# GBK execution character set, which clang lacks. `ctest --preset fuzz` runs the target for a
# bounded time from the committed seeds; inputs it finds on top of them stay in the build folder.
set(VELMORA_FUZZ_SECONDS 60 CACHE STRING "How long ctest runs the fuzz target, in seconds")
set(velmora_fuzz_flags -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)

add_executable(velmora_number_text_fuzz
  tests/fuzz/number_text_fuzz.cpp
  tests/fuzz/fatal_error_stub.cpp
  keyboard/allocation.cpp
  keyboard/number_text.cpp
  keyboard/text.cpp
)
target_include_directories(velmora_number_text_fuzz PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(velmora_number_text_fuzz PRIVATE -Wall -Wextra -g ${velmora_fuzz_flags})
target_link_options(velmora_number_text_fuzz PRIVATE ${velmora_fuzz_flags})

set(velmora_fuzz_found ${CMAKE_BINARY_DIR}/corpus)
file(MAKE_DIRECTORY ${velmora_fuzz_found})
add_test(NAME number_text_fuzz
         COMMAND velmora_number_text_fuzz -max_total_time=${VELMORA_FUZZ_SECONDS} -max_len=8192
                 -timeout=10 -dict=${CMAKE_SOURCE_DIR}/tests/fuzz/number_text.dict
                 -artifact_prefix=${CMAKE_BINARY_DIR}/ ${velmora_fuzz_found}
                 ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus)
math(EXPR velmora_fuzz_timeout "${VELMORA_FUZZ_SECONDS} + 120")
set_tests_properties(number_text_fuzz PROPERTIES TIMEOUT ${velmora_fuzz_timeout})
