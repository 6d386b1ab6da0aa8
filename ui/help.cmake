# The help window, the about window, the settings view and the file dialogs,
# with the reader for the RTF help pages.
find_package(Qt6 COMPONENTS Widgets REQUIRED)
add_library(breathlab_help STATIC
    ${CMAKE_CURRENT_LIST_DIR}/rtf_reader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/help_pages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/help_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/about_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/simulation_file_dialog.cpp)
target_include_directories(breathlab_help PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(breathlab_help PUBLIC Qt6::Widgets breathlab_simfiles PRIVATE breathlab_icon)
target_compile_definitions(breathlab_help PRIVATE BREATHLAB_VERSION="${PROJECT_VERSION}")
set_target_properties(breathlab_help PROPERTIES AUTOMOC ON)
