# Number formats, the text of the indices and results tables, and the commands
# on the run history: no widgets, so that all of it runs under plain tests.
find_package(Qt6 REQUIRED COMPONENTS Core Gui)
add_library(breathlab_history STATIC
    ${CMAKE_CURRENT_LIST_DIR}/number_format.cpp
    ${CMAKE_CURRENT_LIST_DIR}/indices_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/results_table.cpp)
target_include_directories(breathlab_history PUBLIC
    ${CMAKE_CURRENT_LIST_DIR}
    ${CMAKE_CURRENT_LIST_DIR}/../params)
target_link_libraries(breathlab_history PUBLIC breathlab_model breathlab_core Qt6::Core Qt6::Gui)
