# Start-up and handler timing of the main window (needs the Qt view), and
# of the kvadrix-cli process.
if(TARGET kvadrix_view)
  add_executable(bench_startup ${CMAKE_CURRENT_LIST_DIR}/bench_startup.cpp)
  target_link_libraries(bench_startup PRIVATE kvadrix_view)
endif()
# The whole kvadrix-cli process, measured from a parent without Qt.
add_executable(bench_cli_startup ${CMAKE_CURRENT_LIST_DIR}/bench_startup.cpp)
target_compile_definitions(bench_cli_startup PRIVATE KVADRIX_CLI_ONLY KVADRIX_CLI="$<TARGET_FILE:kvadrix-cli>")
add_dependencies(bench_cli_startup kvadrix-cli)
