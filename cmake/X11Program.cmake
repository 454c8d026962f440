# Native Linux build: the X11 program ostrel, and the yardstick program of
# the performance measurement (bench/perf/measure_x11.sh).
find_package(X11 REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(XFT REQUIRED IMPORTED_TARGET xft fontconfig freetype2)
if(NOT X11_Xinerama_FOUND)
    message(FATAL_ERROR "the X11 program needs Xinerama (libxinerama-dev)")
endif()
if(NOT X11_Xrandr_FOUND)
    message(FATAL_ERROR "the X11 program needs RandR (libxrandr-dev)")
endif()

file(GLOB OSTREL_X11_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/x11/*.cpp
                                                ${CMAKE_SOURCE_DIR}/src/linux/*.cpp)
add_executable(ostrel ${OSTREL_X11_SOURCES})
target_link_libraries(ostrel PRIVATE ostrel_core X11::X11 X11::Xrandr X11::Xinerama PkgConfig::XFT)

# Installed where XScreenSaver looks for display programs and their settings
# descriptions, under the prefix: Debian's XScreenSaver looks in /usr, so
# "cmake --install build/linux --prefix /usr" (or the package below) puts
# it where it is found.
include(GNUInstallDirs)
install(TARGETS ostrel RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver)
install(FILES ${CMAKE_SOURCE_DIR}/res/ostrel.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
install(FILES ${CMAKE_SOURCE_DIR}/res/ostrel.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# "cpack -G DEB" in build/linux: the Debian package ostrel, with the
# libraries it links as its dependencies.
set(CPACK_PACKAGE_NAME ostrel)
set(CPACK_PACKAGE_VENDOR "Ostrel")
set(CPACK_PACKAGE_CONTACT "Ostrel Screen Saver <ostrel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "live system information moving over a plain background")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS xscreensaver)
set(CPACK_STRIP_FILES ON)
include(CPack)

# A window for the end-to-end tests to hand to the saver (tests/e2e_x11).
add_executable(host_window ${CMAKE_SOURCE_DIR}/tests/e2e_x11/host_window.cpp)
target_link_libraries(host_window PRIVATE X11::X11)

# The yardstick program of the performance measurement (bench/perf/measure_x11.sh).
add_executable(minimal_saver_x11 ${CMAKE_SOURCE_DIR}/bench/perf/minimal_saver_x11.cpp)
target_link_libraries(minimal_saver_x11 PRIVATE X11::X11)
