# Record forms: moving through businesses, and the start-up against its yardstick.
add_executable(bench_records ${CMAKE_CURRENT_LIST_DIR}/records_navigation_bench.cpp)
target_link_libraries(bench_records PRIVATE tallowmere_app_ui tallowmere_bench_database benchmark::benchmark)

add_executable(startup_tallowmere ${CMAKE_CURRENT_LIST_DIR}/startup_tallowmere.cpp)
target_link_libraries(startup_tallowmere PRIVATE tallowmere_app_ui)

# The main form without its data layer, settings or logic. It links only the shared
# window helpers and compiles in the few widget files of the form it shows; the form's
# headers are on its path for their layout constants, none of their libraries linked,
# so neither SQLite nor libcurl nor the rest is loaded.
add_executable(startup_same_form
    ${CMAKE_CURRENT_LIST_DIR}/startup_same_form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SameForm.cpp ${CMAKE_CURRENT_LIST_DIR}/SameForm.h
    ${CMAKE_SOURCE_DIR}/src/app/ui/FontsAhead.cpp
    ${CMAKE_SOURCE_DIR}/src/app/ui/ProgramIcon.cpp
    ${CMAKE_SOURCE_DIR}/src/app/ui/TemplateColumn.cpp
    ${CMAKE_SOURCE_DIR}/src/records/StripLayout.cpp
    ${CMAKE_SOURCE_DIR}/src/records/ui/NavigationIcons.cpp
    ${CMAKE_SOURCE_DIR}/resources/tallowmere.qrc)
target_include_directories(startup_same_form PRIVATE $<TARGET_PROPERTY:tallowmere_app_ui,INTERFACE_INCLUDE_DIRECTORIES>)
find_package(Fontconfig REQUIRED)
target_link_libraries(startup_same_form PRIVATE tallowmere_ui Fontconfig::Fontconfig)
