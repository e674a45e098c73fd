# Evaluator timings: re-reading the text on every call, and replaying its compiled form.
add_executable(bench_expr ${CMAKE_CURRENT_SOURCE_DIR}/bench_expr.cpp)
target_link_libraries(bench_expr PRIVATE kvadrix_expr kvadrix_numeric benchmark::benchmark)
# The expression tree: reading, printing, canonical form on 100-character texts.
add_executable(bench_tree ${CMAKE_CURRENT_SOURCE_DIR}/bench_tree.cpp)
target_link_libraries(bench_tree PRIVATE kvadrix_expr benchmark::benchmark)
