# Publishing: opening the window and writing the feed over 10,000 and 100,000 items,
# and the Upload.txt import as a whole process against sqlite3's .import.
add_executable(bench_rss ${CMAKE_CURRENT_LIST_DIR}/rss_bench.cpp)
target_link_libraries(bench_rss PRIVATE tallowmere_rss_ui benchmark::benchmark)

add_executable(rss_import_process ${CMAKE_CURRENT_LIST_DIR}/rss_import_process.cpp)
target_link_libraries(rss_import_process PRIVATE tallowmere_rss)
