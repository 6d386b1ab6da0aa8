# Simulation files and the settings view's table: the history on disk and the
# texts shown about it. Qt Core for files and strings, no widgets.
find_package(Qt6 COMPONENTS Core REQUIRED)
add_library(breathlab_simfiles STATIC
    ${CMAKE_CURRENT_LIST_DIR}/history_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_table.cpp)
target_include_directories(breathlab_simfiles PUBLIC
    ${CMAKE_CURRENT_LIST_DIR}
    ${CMAKE_SOURCE_DIR}/results)
target_link_libraries(breathlab_simfiles PUBLIC breathlab_core breathlab_datapath Qt6::Core)
set_target_properties(breathlab_simfiles PROPERTIES AUTOMOC OFF)
