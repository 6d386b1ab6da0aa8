# The one place where a data path is found, letter case ignored; the data
# files, the simulation files and the window all go through it.
find_package(Qt6 COMPONENTS Core REQUIRED)
add_library(breathlab_datapath STATIC ${CMAKE_CURRENT_LIST_DIR}/data_path.cpp)
target_include_directories(breathlab_datapath PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(breathlab_datapath PUBLIC Qt6::Core)
set_target_properties(breathlab_datapath PROPERTIES AUTOMOC OFF)
