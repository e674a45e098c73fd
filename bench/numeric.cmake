# Timings of the numeric tabs' methods on school problems.
add_executable(bench_numeric ${CMAKE_CURRENT_SOURCE_DIR}/bench_numeric.cpp)
target_link_libraries(bench_numeric PRIVATE kvadrix_numeric benchmark::benchmark)
