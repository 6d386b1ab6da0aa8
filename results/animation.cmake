# The replay of a stored run: its state, the per-sample rule and the order in
# which controls are held. Plain C++; the window supplies drawing and messages.
add_library(breathlab_animation STATIC
    ${CMAKE_CURRENT_LIST_DIR}/animation.cpp)
target_include_directories(breathlab_animation PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(breathlab_animation PUBLIC breathlab_model)
set_target_properties(breathlab_animation PROPERTIES AUTOMOC OFF)
