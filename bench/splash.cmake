# Splash frames and start-up to the first paint (needs the Qt splash window).
if(TARGET kvadrix_splash AND TARGET kvadrix_view)
  add_executable(bench_splash ${CMAKE_CURRENT_LIST_DIR}/bench_splash.cpp)
  target_link_libraries(bench_splash PRIVATE kvadrix_splash kvadrix_view benchmark::benchmark)
endif()
