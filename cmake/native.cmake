# Native build: the portable core with recording fakes behind the toolkit and User32 seams.
find_package(GTest REQUIRED)

file(GLOB velmora_native_tests CONFIGURE_DEPENDS tests/native/*.cpp tests/native/fakes/*.cpp)
add_executable(velmora_native_tests ${velmora_native_tests})
target_link_libraries(velmora_native_tests PRIVATE velmora_core GTest::gtest GTest::gtest_main)
velmora_target_flags(velmora_native_tests)

include(GoogleTest)
gtest_discover_tests(velmora_native_tests DISCOVERY_TIMEOUT 60)
