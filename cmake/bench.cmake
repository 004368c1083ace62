# The benchmark's programs: the least window a program can show, built the way the program is,
# and the driver that measures both from one process (scripts/benchmark.sh runs them). The soak
# with small counts is the one check of theirs that ctest runs: it counts, it does not time.
add_executable(velmora_baseline WIN32 tests/bench/baseline_window.cpp)
target_compile_options(velmora_baseline PRIVATE ${velmora_size_flags})
target_link_options(velmora_baseline PRIVATE ${velmora_link_flags})
velmora_target_flags(velmora_baseline)

file(GLOB velmora_bench_sources CONFIGURE_DEPENDS tests/bench/driver/*.cpp)
add_executable(velmora_bench ${velmora_bench_sources})
target_include_directories(velmora_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(velmora_bench PRIVATE
  VELMORA_EXE_NAME=L"$<TARGET_FILE_NAME:velmora-keyboard>"
  VELMORA_BASELINE_NAME=L"$<TARGET_FILE_NAME:velmora_baseline>")
target_link_libraries(velmora_bench PRIVATE velmora_e2e_driver user32 gdi32 advapi32 psapi)
if(NOT MSVC)
  target_link_options(velmora_bench PRIVATE -static)
endif()
velmora_target_flags(velmora_bench)
add_dependencies(velmora_bench velmora-keyboard velmora_baseline)

set_target_properties(velmora_baseline velmora_bench PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

add_test(NAME velmora_soak_counts COMMAND velmora_bench soak 300 60 20 2)
set_tests_properties(velmora_soak_counts PROPERTIES
  FIXTURES_REQUIRED wine_session RUN_SERIAL TRUE TIMEOUT 60)
