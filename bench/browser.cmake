# The resource browser: its first opening, web engine included, to a local page shown.
add_executable(bench_browser_open ${CMAKE_CURRENT_LIST_DIR}/browser_open_bench.cpp)
target_link_libraries(bench_browser_open PRIVATE tallowmere_browser_ui)
