# Differentiation with the tidying a handler does, and the simplification passes alone.
add_executable(bench_simplify ${CMAKE_CURRENT_SOURCE_DIR}/bench_simplify.cpp)
target_link_libraries(bench_simplify PRIVATE kvadrix_simplify kvadrix_diff benchmark::benchmark)
