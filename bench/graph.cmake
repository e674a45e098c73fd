# Sampling and graph window timings (needs the Qt graph view).
if(TARGET kvadrix_graph_view)
  add_executable(bench_graph ${CMAKE_CURRENT_LIST_DIR}/bench_graph.cpp)
  target_link_libraries(bench_graph PRIVATE kvadrix_graph_view kvadrix_tabgraph benchmark::benchmark)
endif()
