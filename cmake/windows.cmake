# Windows build: the toolkit, the User32 bindings, the program, and the tests that run under Wine.
enable_language(RC)

# The program is small and needs neither exceptions nor run-time type information: memory comes
# from the C heap, and a shortage ends the program through the fatal error instead of a throw.
if(MSVC)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  set(velmora_size_flags /O1 /Gy /GR- /EHs-c- /D_HAS_EXCEPTIONS=0)
  set(velmora_link_flags /OPT:REF /OPT:ICF)
else()
  set(velmora_size_flags -Os -ffunction-sections -fdata-sections -fno-exceptions -fno-rtti
      -fno-asynchronous-unwind-tables)
  set(velmora_link_flags -static -s -Wl,--gc-sections)
endif()

add_library(velmora_windows STATIC
  platform/bindings.cpp
  platform/caret_profile.cpp
  platform/os_family.cpp
  platform/user32.cpp
  shell/program_start.cpp
  shell/toolkit/builder.cpp
  shell/toolkit/control_procs.cpp
  shell/toolkit/fatal_error.cpp
  shell/toolkit/keyboard_navigation.cpp
  shell/toolkit/lifecycle.cpp
  shell/toolkit/main_window.cpp
  shell/toolkit/message_loop.cpp
  shell/toolkit/properties.cpp
  shell/toolkit/text_codec.cpp
  shell/toolkit/timer_window.cpp
  shell/toolkit/toolkit_state.cpp
  shell/toolkit/window_classes.cpp
)
target_link_libraries(velmora_windows PUBLIC velmora_core user32 gdi32 advapi32)
# The core's handlers call back into the toolkit and the bindings through their seams.
target_link_libraries(velmora_core INTERFACE velmora_windows)
velmora_target_flags(velmora_windows)
foreach(target velmora_core velmora_windows)
  target_compile_options(${target} PRIVATE ${velmora_size_flags})
endforeach()

# windres does not report the files the script names, so the rebuild is asked for here.
set_source_files_properties(res/velmora.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/res/velmora.ico;${CMAKE_SOURCE_DIR}/res/velmora.manifest;${CMAKE_SOURCE_DIR}/res/resource_ids.h")

add_executable(velmora-keyboard WIN32 shell/win_main.cpp res/velmora.rc)
target_link_libraries(velmora-keyboard PRIVATE velmora_windows)
target_link_options(velmora-keyboard PRIVATE ${velmora_link_flags})
velmora_target_flags(velmora-keyboard)
set_target_properties(velmora-keyboard PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# The tests need GoogleTest's sources (Debian's googletest package puts them here) and Wine.
set(VELMORA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows tests")
if(NOT EXISTS ${VELMORA_GTEST_SOURCE}/CMakeLists.txt)
  message(STATUS "No GoogleTest sources at ${VELMORA_GTEST_SOURCE}: building the program only")
  return()
endif()

# Cross-built, the tests run under Wine in a prefix private to this build folder, on a display
# the session fixture provides (Xvfb when there is none). On Windows they run as they are.
set(VELMORA_WINE_SESSION ${CMAKE_BINARY_DIR}/wine-session)
if(CMAKE_CROSSCOMPILING)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_SOURCE_DIR}/scripts/wine-emulator.sh ${VELMORA_WINE_SESSION})
  add_test(NAME wine_session_start
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh start ${VELMORA_WINE_SESSION})
  add_test(NAME wine_session_stop
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh stop ${VELMORA_WINE_SESSION})
  set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine_session)
  set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session)
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${VELMORA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

include(GoogleTest)
function(velmora_wine_test target)
  target_link_libraries(${target} PRIVATE GTest::gtest)
  if(NOT MSVC)
    target_link_options(${target} PRIVATE -static)
  endif()
  velmora_target_flags(${target})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES FIXTURES_REQUIRED wine_session RUN_SERIAL TRUE TIMEOUT 300)
endfunction()

include(cmake/wine_tests.cmake)
include(cmake/e2e.cmake)
include(cmake/bench.cmake)
