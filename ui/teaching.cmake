# Teaching with the program: the case list, the exercise and File > Export.
# The texts and commands are widget-free; the dialogs stay thin.
add_library(breathlab_teaching STATIC
    ${CMAKE_CURRENT_LIST_DIR}/case_notes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/opened_case_notes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/export_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/case_list_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exercise_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/export_dialog.cpp)
target_include_directories(breathlab_teaching PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(breathlab_teaching PUBLIC
    Qt6::Widgets breathlab_cases breathlab_figures breathlab_history)
set_target_properties(breathlab_teaching PROPERTIES AUTOMOC ON)

# The main window's menus for them.
target_sources(breathlab_mainwindow PRIVATE ${CMAKE_CURRENT_LIST_DIR}/main_window_teaching.cpp)
target_link_libraries(breathlab_mainwindow PUBLIC breathlab_teaching)
