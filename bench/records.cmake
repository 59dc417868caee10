# Record forms: moving through businesses, and the start-up against a bare Qt program.
add_executable(bench_records ${CMAKE_CURRENT_LIST_DIR}/records_navigation_bench.cpp)
target_link_libraries(bench_records PRIVATE tallowmere_app_ui tallowmere_bench_database benchmark::benchmark)

add_executable(startup_tallowmere ${CMAKE_CURRENT_LIST_DIR}/startup_tallowmere.cpp)
target_link_libraries(startup_tallowmere PRIVATE tallowmere_app_ui)
add_executable(startup_bare_qt ${CMAKE_CURRENT_LIST_DIR}/startup_bare_qt.cpp)
target_link_libraries(startup_bare_qt PRIVATE tallowmere_common Qt6::Widgets)
