# In-process tests of the toolkit and the User32 bindings, run under Wine.
file(GLOB velmora_toolkit_tests CONFIGURE_DEPENDS tests/wine/*.cpp)
if(velmora_toolkit_tests)
  add_executable(velmora_toolkit_tests ${velmora_toolkit_tests} res/velmora.rc)
  target_link_libraries(velmora_toolkit_tests PRIVATE velmora_windows velmora_e2e_driver GTest::gtest_main)
  velmora_wine_test(velmora_toolkit_tests)
endif()
