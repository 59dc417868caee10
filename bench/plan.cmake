# The financial plan: recomputing every statement after an edit.
add_executable(bench_plan ${CMAKE_CURRENT_LIST_DIR}/plan_statements_bench.cpp)
target_link_libraries(bench_plan PRIVATE tallowmere_plan benchmark::benchmark)
