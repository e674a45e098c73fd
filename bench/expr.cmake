# Evaluator timings: re-reading the text on every call, and replaying its compiled form.
add_executable(bench_expr ${CMAKE_CURRENT_SOURCE_DIR}/bench_expr.cpp)
target_link_libraries(bench_expr PRIVATE kvadrix_expr kvadrix_numeric benchmark::benchmark)
