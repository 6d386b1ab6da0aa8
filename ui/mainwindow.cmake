# The main window with its one-time layout, and the program built around it.
add_library(breathlab_mainwindow STATIC
    ${CMAKE_CURRENT_LIST_DIR}/startup_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/slider_panels_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/string_grid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/description_view.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hot_spot_grid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_area.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_pacer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/control_placement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/command_bar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_controls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/slider_group_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hidden_slider_controls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sliders_area.cpp
    ${CMAKE_CURRENT_LIST_DIR}/airway_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/curve_plots.cpp
    ${CMAKE_CURRENT_LIST_DIR}/context_help.cpp
    ${CMAKE_CURRENT_LIST_DIR}/indices_view.cpp
    ${CMAKE_CURRENT_LIST_DIR}/runs_table_view.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lower_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_actions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_sound.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_startup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_results.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_sliders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_picture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_presentation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/presentation_mode.cpp
    ${CMAKE_CURRENT_LIST_DIR}/display_check.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_arguments.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app_language.cpp)
target_include_directories(breathlab_mainwindow PUBLIC
    ${CMAKE_CURRENT_LIST_DIR}
    ${CMAKE_SOURCE_DIR}/params)
target_link_libraries(breathlab_mainwindow PUBLIC
    Qt6::Widgets breathlab_model breathlab_core breathlab_history breathlab_curves
    breathlab_datafiles breathlab_simfiles breathlab_airway breathlab_animation breathlab_help
    breathlab_icon breathlab_programfont)

# The run's closing sounds come from the desktop's sound theme where libcanberra
# is there; otherwise the system beep.
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
    pkg_check_modules(CANBERRA IMPORTED_TARGET libcanberra)
endif()
if(CANBERRA_FOUND)
    target_compile_definitions(breathlab_mainwindow PRIVATE BREATHLAB_HAVE_CANBERRA)
    target_link_libraries(breathlab_mainwindow PRIVATE PkgConfig::CANBERRA)
endif()

add_executable(breathlab ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(breathlab PRIVATE breathlab_mainwindow breathlab_programfont)
