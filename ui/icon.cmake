# The program icon, rendered from icons/breathlab.svg, which is built in.
find_package(Qt6 COMPONENTS Gui Svg REQUIRED)
add_library(breathlab_icon STATIC ${CMAKE_CURRENT_LIST_DIR}/program_icon.cpp)
target_include_directories(breathlab_icon PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(breathlab_icon PUBLIC Qt6::Gui PRIVATE Qt6::Svg)
set_target_properties(breathlab_icon PROPERTIES AUTOMOC OFF)
qt_add_resources(breathlab_icon "program_icon" PREFIX "/" BASE ${CMAKE_SOURCE_DIR}
                 FILES ${CMAKE_SOURCE_DIR}/icons/breathlab.svg)
