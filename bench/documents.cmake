add_executable(bench_documents
    ${CMAKE_CURRENT_LIST_DIR}/documents_report_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/documents_merge_bench.cpp)
target_link_libraries(bench_documents PRIVATE tallowmere_documents benchmark::benchmark_main)
