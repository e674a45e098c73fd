# Integration as the tab does it (text in, checked text out) on the shared
# fifty-item corpus, the engine alone, and Simpson's rule with 21 panels.
add_executable(bench_integrate ${CMAKE_CURRENT_LIST_DIR}/bench_integrate.cpp)
target_link_libraries(bench_integrate PRIVATE kvadrix_shell benchmark::benchmark)
target_compile_definitions(bench_integrate PRIVATE
  KVADRIX_BENCH_CORPUS="${CMAKE_SOURCE_DIR}/../shared/bench/integrals-50.txt")
