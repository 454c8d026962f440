# Windows build: ostrel.scr, statically linked so that it needs system DLLs only.
enable_language(RC)

file(GLOB OSTREL_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/win32/*.cpp)
configure_file(${CMAKE_SOURCE_DIR}/res/ostrel.rc.in ${CMAKE_BINARY_DIR}/ostrel.rc @ONLY)
add_executable(ostrel WIN32 ${OSTREL_WIN32_SOURCES} ${CMAKE_BINARY_DIR}/ostrel.rc)
set_target_properties(ostrel PROPERTIES OUTPUT_NAME ostrel SUFFIX ".scr")
target_compile_definitions(ostrel PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(ostrel PRIVATE ostrel_core user32 gdi32 advapi32 comctl32 comdlg32 shell32 iphlpapi)
target_link_options(ostrel PRIVATE -static -static-libgcc -static-libstdc++)
