# Evaluator timings: the evaluators re-read their text on every call.
add_executable(bench_expr ${CMAKE_CURRENT_SOURCE_DIR}/bench_expr.cpp)
target_link_libraries(bench_expr PRIVATE kvadrix_expr benchmark::benchmark)
