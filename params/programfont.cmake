# The window's typeface and the faces shown for the names in its code.
find_package(Qt6 COMPONENTS Gui REQUIRED)
add_library(breathlab_programfont STATIC ${CMAKE_CURRENT_LIST_DIR}/program_font.cpp)
target_include_directories(breathlab_programfont PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(breathlab_programfont PUBLIC Qt6::Gui)
set_target_properties(breathlab_programfont PROPERTIES AUTOMOC OFF)
