# Native Linux build: the X11 program ostrel, and the yardstick program of
# the performance measurement (bench/perf/measure_x11.sh).
find_package(X11 REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(XFT REQUIRED IMPORTED_TARGET xft fontconfig freetype2)
if(NOT X11_Xrandr_FOUND)
    message(FATAL_ERROR "the X11 program needs RandR (libxrandr-dev)")
endif()

file(GLOB OSTREL_X11_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/x11/*.cpp
                                                ${CMAKE_SOURCE_DIR}/src/linux/*.cpp)
add_executable(ostrel ${OSTREL_X11_SOURCES})
target_link_libraries(ostrel PRIVATE ostrel_core X11::X11 X11::Xrandr PkgConfig::XFT)

# Where Debian's XScreenSaver looks for display programs and their settings
# descriptions.
set(OSTREL_XSCREENSAVER_PROGRAMS /usr/libexec/xscreensaver CACHE PATH
    "Folder of XScreenSaver's display programs")
set(OSTREL_XSCREENSAVER_CONFIG /usr/share/xscreensaver/config CACHE PATH
    "Folder of XScreenSaver's settings descriptions")
install(TARGETS ostrel RUNTIME DESTINATION ${OSTREL_XSCREENSAVER_PROGRAMS})
install(FILES ${CMAKE_SOURCE_DIR}/res/ostrel.xml DESTINATION ${OSTREL_XSCREENSAVER_CONFIG})

# A window for the end-to-end tests to hand to the saver (tests/e2e_x11).
add_executable(host_window ${CMAKE_SOURCE_DIR}/tests/e2e_x11/host_window.cpp)
target_link_libraries(host_window PRIVATE X11::X11)

# The yardstick program of the performance measurement (bench/perf/measure_x11.sh).
add_executable(minimal_saver_x11 ${CMAKE_SOURCE_DIR}/bench/perf/minimal_saver_x11.cpp)
target_link_libraries(minimal_saver_x11 PRIVATE X11::X11)
