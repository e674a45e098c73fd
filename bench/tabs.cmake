# The Differentiation and FaktorReduktion tabs end to end, handler in to shown result.
add_executable(bench_tabs ${CMAKE_CURRENT_LIST_DIR}/bench_tabs.cpp)
target_link_libraries(bench_tabs PRIVATE kvadrix_shell benchmark::benchmark)
