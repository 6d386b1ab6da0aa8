# The working parameter set behind the sliders: scales, the slider bank and
# the description texts. Plain C++, no Qt.
add_library(breathlab_parameters STATIC
    ${CMAKE_CURRENT_LIST_DIR}/parameter_scales.cpp
    ${CMAKE_CURRENT_LIST_DIR}/slider_groups.cpp
    ${CMAKE_CURRENT_LIST_DIR}/slider_bank.cpp
    ${CMAKE_CURRENT_LIST_DIR}/description_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parameter_record.cpp)
target_include_directories(breathlab_parameters PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(breathlab_parameters PUBLIC breathlab_model)
set_target_properties(breathlab_parameters PROPERTIES AUTOMOC OFF)
