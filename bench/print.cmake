add_executable(bench_print ${CMAKE_CURRENT_LIST_DIR}/print_bench.cpp)
target_link_libraries(bench_print PRIVATE tallowmere_documents benchmark::benchmark)
