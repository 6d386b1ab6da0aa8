# The flow-volume and volume-time plots and the run clock, drawn onto images
# that the main window shows.
find_package(Qt6 REQUIRED COMPONENTS Gui)
add_library(breathlab_curves STATIC
    ${CMAKE_CURRENT_LIST_DIR}/plot_canvas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/flow_volume_plot.cpp
    ${CMAKE_CURRENT_LIST_DIR}/volume_time_plot.cpp
    ${CMAKE_CURRENT_LIST_DIR}/run_clock.cpp)
target_include_directories(breathlab_curves
    PUBLIC ${CMAKE_CURRENT_LIST_DIR}
    PRIVATE ${PROJECT_SOURCE_DIR}/params)
target_link_libraries(breathlab_curves PUBLIC breathlab_model breathlab_core Qt6::Gui PRIVATE breathlab_history)
set_target_properties(breathlab_curves PROPERTIES AUTOMOC OFF)
