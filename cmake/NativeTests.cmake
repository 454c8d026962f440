# Native build: the core over the fakes, the unit tests and the benchmarks.
if(OSTREL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
    target_compile_options(ostrel_core PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
endif()

find_package(GTest REQUIRED)

file(GLOB OSTREL_FAKE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fakes/*.cpp)
add_library(ostrel_fakes STATIC ${OSTREL_FAKE_SOURCES})
target_include_directories(ostrel_fakes PUBLIC ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)

file(GLOB OSTREL_UNIT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp
    ${CMAKE_SOURCE_DIR}/tests/windows/*.cpp ${CMAKE_SOURCE_DIR}/tests/linux/*.cpp
    ${CMAKE_SOURCE_DIR}/tests/x11/*.cpp)
add_executable(unit_tests ${OSTREL_UNIT_SOURCES})
target_link_libraries(unit_tests PRIVATE ostrel_core ostrel_fakes ostrel_core GTest::gtest GTest::gtest_main)

find_package(benchmark QUIET)
file(GLOB OSTREL_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(benchmark_FOUND AND OSTREL_BENCH_SOURCES AND NOT OSTREL_SANITIZE)
    add_executable(benchmarks ${OSTREL_BENCH_SOURCES})
    target_link_libraries(benchmarks PRIVATE ostrel_core ostrel_fakes ostrel_core benchmark::benchmark benchmark::benchmark_main)
endif()

# The settings dialog's description is checked against the command line.
