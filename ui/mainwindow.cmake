# The main window with its one-time layout, and the program built around it.
add_library(breathlab_mainwindow STATIC
    ${CMAKE_CURRENT_LIST_DIR}/startup_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/string_grid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_area.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp)
target_include_directories(breathlab_mainwindow PUBLIC
    ${CMAKE_CURRENT_LIST_DIR}
    ${CMAKE_SOURCE_DIR}/params)
target_link_libraries(breathlab_mainwindow PUBLIC Qt6::Widgets breathlab_model)

add_executable(breathlab ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(breathlab PRIVATE breathlab_mainwindow)
