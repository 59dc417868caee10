# The network work against local peers: FTP uploads to pyftpdlib, announcements to a
# spyne service (the test peers in tests/rss/servers).
if(TARGET tallowmere_rss)
    add_executable(bench_network ${CMAKE_CURRENT_LIST_DIR}/network_bench.cpp
                   ${CMAKE_SOURCE_DIR}/tests/rss/LocalServer.cpp)
    target_include_directories(bench_network PRIVATE ${CMAKE_SOURCE_DIR}/tests/rss)
    target_compile_definitions(bench_network PRIVATE
        TALLOWMERE_TEST_SERVERS="${CMAKE_SOURCE_DIR}/tests/rss/servers")
    target_link_libraries(bench_network PRIVATE tallowmere_rss benchmark::benchmark)
endif()
