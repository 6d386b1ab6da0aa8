# The airway picture: the schematic drawn from the model or a stored run, the
# hot spots of the illustration and the region pictures with their name label.
# Drawing goes to QImage, so nothing here needs a widget.
add_library(breathlab_airway STATIC
    ${CMAKE_CURRENT_LIST_DIR}/airway_painter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hot_spots.cpp
    ${CMAKE_CURRENT_LIST_DIR}/region_picture.cpp)
target_include_directories(breathlab_airway PUBLIC ${CMAKE_CURRENT_LIST_DIR}
    PRIVATE ${CMAKE_SOURCE_DIR}/params)
target_link_libraries(breathlab_airway PUBLIC breathlab_model breathlab_core Qt6::Gui)
set_target_properties(breathlab_airway PROPERTIES AUTOMOC OFF)
