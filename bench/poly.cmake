# Rule sweeps, polynomial roots and division.
add_executable(bench_poly ${CMAKE_CURRENT_SOURCE_DIR}/bench_poly.cpp)
target_link_libraries(bench_poly PRIVATE kvadrix_poly benchmark::benchmark)
