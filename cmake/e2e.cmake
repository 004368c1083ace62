# A driver that launches the real program and uses it from another process, as a user would (the
# toolkit tests and the benchmark use it too); the end-to-end tests built on it; and a small tool
# that drives a running program for scripts.
file(GLOB velmora_e2e_driver CONFIGURE_DEPENDS tests/e2e/driver/*.cpp)
add_library(velmora_e2e_driver STATIC ${velmora_e2e_driver})
target_include_directories(velmora_e2e_driver PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(velmora_e2e_driver PUBLIC user32 advapi32)
target_compile_definitions(velmora_e2e_driver PRIVATE VELMORA_EXE_NAME="velmora-keyboard.exe")
velmora_target_flags(velmora_e2e_driver)

add_executable(velmora-drive tests/e2e/tools/velmora-drive.cpp)
target_link_libraries(velmora-drive PRIVATE velmora_e2e_driver)
velmora_target_flags(velmora-drive)
set_target_properties(velmora-drive PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

file(GLOB velmora_e2e_tests CONFIGURE_DEPENDS tests/e2e/*.cpp)
add_executable(velmora_e2e_tests ${velmora_e2e_tests})
target_link_libraries(velmora_e2e_tests PRIVATE velmora_e2e_driver GTest::gtest_main)
add_dependencies(velmora_e2e_tests velmora-keyboard)
velmora_wine_test(velmora_e2e_tests)
