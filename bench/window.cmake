# Start-up and handler timing of the main window (needs the Qt view).
if(TARGET kvadrix_view)
  add_executable(bench_startup ${CMAKE_CURRENT_LIST_DIR}/bench_startup.cpp)
  target_link_libraries(bench_startup PRIVATE kvadrix_view)
endif()
