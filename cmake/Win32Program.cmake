# Windows build: ostrel.scr, statically linked so that it needs system DLLs only.
enable_language(RC)

file(GLOB OSTREL_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/windows/*.cpp)
configure_file(${CMAKE_SOURCE_DIR}/res/ostrel.rc.in ${CMAKE_BINARY_DIR}/ostrel.rc @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/res/ostrel.manifest.in ${CMAKE_BINARY_DIR}/ostrel.manifest @ONLY)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/src")
add_executable(ostrel WIN32 ${OSTREL_WIN32_SOURCES} ${CMAKE_BINARY_DIR}/ostrel.rc)
set_target_properties(ostrel PROPERTIES OUTPUT_NAME ostrel SUFFIX ".scr")
target_compile_definitions(ostrel PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(ostrel PRIVATE ostrel_core user32 gdi32 advapi32 iphlpapi)
target_link_options(ostrel PRIVATE -static -static-libgcc -static-libstdc++)
# Two builds of one commit give the same bytes: no link time stamp, and no
# path of the machine that built it.
target_link_options(ostrel PRIVATE -Wl,--no-insert-timestamp)
target_compile_options(ostrel PRIVATE -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
                                      -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
target_compile_options(ostrel_core PRIVATE -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
                                           -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)

# The performance measurement (bench/perf/measure.sh) builds its own copy
# that counts what is painted; the shipped program never does.
option(OSTREL_MEASURE_PAINTING "Count painted pixels and write them to OSTREL_PAINT_LOG" OFF)
if(OSTREL_MEASURE_PAINTING)
    target_compile_definitions(ostrel PRIVATE OSTREL_MEASURE_PAINTING)
endif()

# Tests of the Win32 platform layer itself, run under Wine by the test script.
if(EXISTS /usr/src/googletest/CMakeLists.txt)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    file(GLOB OSTREL_WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/windows/wine/*.cpp)
    list(FILTER OSTREL_WIN32_SOURCES EXCLUDE REGEX "main\\.cpp$")
    add_executable(win32_tests ${OSTREL_WIN32_TEST_SOURCES} ${OSTREL_WIN32_SOURCES})
    target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(win32_tests PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
    target_link_libraries(win32_tests PRIVATE ostrel_core gtest gtest_main user32 gdi32 advapi32 comctl32 comdlg32 shell32 iphlpapi version)
    target_link_options(win32_tests PRIVATE -static -static-libgcc -static-libstdc++)
endif()

# Helper programs of the end-to-end tests.
add_executable(preview_host ${CMAKE_SOURCE_DIR}/tests/e2e/preview_host.cpp)
target_link_options(preview_host PRIVATE -static -static-libgcc -static-libstdc++)
target_link_libraries(preview_host PRIVATE user32 gdi32)

# The yardstick program of the performance measurement (bench/perf/measure.sh).
add_executable(minimal_saver WIN32 ${CMAKE_SOURCE_DIR}/bench/perf/minimal_saver.cpp)
target_link_options(minimal_saver PRIVATE -static -static-libgcc -static-libstdc++)
target_link_libraries(minimal_saver PRIVATE user32 gdi32 iphlpapi)
# What each call the running saver repeats costs on its own, over the front
# end's own functions.
set(OSTREL_WIN32_LIBRARY_SOURCES ${OSTREL_WIN32_SOURCES})
list(FILTER OSTREL_WIN32_LIBRARY_SOURCES EXCLUDE REGEX "main\\.cpp$")
add_executable(call_costs ${CMAKE_SOURCE_DIR}/bench/perf/call_costs.cpp ${OSTREL_WIN32_LIBRARY_SOURCES})
target_compile_definitions(call_costs PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(call_costs PRIVATE ostrel_core user32 gdi32 advapi32 comctl32 comdlg32 shell32 iphlpapi version)
target_link_options(call_costs PRIVATE -static -static-libgcc -static-libstdc++)

# A window titled "Display Properties" for the end-to-end tests of the
# options dialog's placement.
add_executable(display_properties ${CMAKE_SOURCE_DIR}/tests/e2e/display_properties.cpp)
target_link_libraries(display_properties PRIVATE user32)
target_link_options(display_properties PRIVATE -static -static-libgcc -static-libstdc++)
