add_executable(bench_recordset ${CMAKE_CURRENT_LIST_DIR}/db_recordset_bench.cpp)
target_link_libraries(bench_recordset PRIVATE tallowmere_db benchmark::benchmark)
