# End-to-end tests: a driver that launches the real program under Wine and uses it from another
# process, as a user would.
file(GLOB velmora_e2e_tests CONFIGURE_DEPENDS tests/e2e/*.cpp)
if(velmora_e2e_tests)
  add_executable(velmora_e2e_tests ${velmora_e2e_tests})
  target_link_libraries(velmora_e2e_tests PRIVATE user32 gdi32 advapi32 GTest::gtest_main)
  target_compile_definitions(velmora_e2e_tests PRIVATE VELMORA_EXE_NAME="velmora-keyboard.exe")
  add_dependencies(velmora_e2e_tests velmora-keyboard)
  velmora_wine_test(velmora_e2e_tests)
endif()
