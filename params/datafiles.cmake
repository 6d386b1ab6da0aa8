# The fixed data beside the program: data-file checks, the hot-spot table file,
# JPEG pictures and the single-instance lock.
find_package(JPEG REQUIRED)
add_library(breathlab_datafiles STATIC
    ${CMAKE_CURRENT_LIST_DIR}/data_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/grid_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/jpeg_picture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/single_instance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/user_data_folder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/user_data_home.cpp
    ${CMAKE_CURRENT_LIST_DIR}/display_refusal.cpp)
target_include_directories(breathlab_datafiles PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(breathlab_datafiles PUBLIC breathlab_core breathlab_datapath Qt6::Gui PRIVATE JPEG::JPEG)
set_target_properties(breathlab_datafiles PROPERTIES AUTOMOC OFF)
