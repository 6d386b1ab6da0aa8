# What each harness is made of: its entry point, its source and the project
# libraries of the reader it drives. The fuzz targets and the regression tests
# that replay kept inputs through the normal build both read this list.
set(BREATHLAB_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})

set(BREATHLAB_FUZZ_HARNESSES
    hot_spot_table jpeg_picture description
    history_tables history_pictures history_start rtf_page cli_arguments
    hot_spot_grid cli_history_set)

set(hot_spot_table_entry FuzzHotSpotTable)
set(hot_spot_table_libraries breathlab_datafiles breathlab_airway)
set(jpeg_picture_entry FuzzJpegPicture)
set(jpeg_picture_libraries breathlab_datafiles)
set(description_entry FuzzDescription)
set(description_libraries breathlab_core)
set(history_tables_entry FuzzHistoryTables)
set(history_tables_libraries breathlab_simfiles breathlab_history breathlab_core)
set(history_pictures_entry FuzzHistoryPictures)
set(history_pictures_libraries breathlab_airway breathlab_curves breathlab_animation)
set(history_start_entry FuzzHistoryStart)
set(history_start_libraries breathlab_headless breathlab_core)
set(rtf_page_entry FuzzRtfPage)
set(rtf_page_libraries breathlab_help)
set(cli_arguments_entry FuzzCliArguments)
set(cli_arguments_libraries breathlab_headless)
set(hot_spot_grid_entry FuzzHotSpotGrid)
set(hot_spot_grid_libraries breathlab_mainwindow)
set(cli_history_set_entry FuzzCliHistorySet)
set(cli_history_set_libraries breathlab_headless)

# The harnesses whose libraries this build has.
function(breathlab_available_harnesses out)
    set(available)
    foreach(harness ${BREATHLAB_FUZZ_HARNESSES})
        set(complete TRUE)
        foreach(library ${${harness}_libraries})
            if(NOT TARGET ${library})
                set(complete FALSE)
            endif()
        endforeach()
        if(complete)
            list(APPEND available ${harness})
        endif()
    endforeach()
    set(${out} ${available} PARENT_SCOPE)
endfunction()

# The code every harness shares: scratch files, the GUI application, the
# history made from an input.
function(breathlab_add_harness_support target)
    target_sources(${target} PRIVATE
        ${BREATHLAB_FUZZ_DIR}/fuzz_environment.cpp
        ${BREATHLAB_FUZZ_DIR}/history_input.cpp)
    target_include_directories(${target} PRIVATE ${BREATHLAB_FUZZ_DIR})
    target_link_libraries(${target} PRIVATE breathlab_model Qt6::Widgets)
    target_compile_definitions(${target} PRIVATE BREATHLAB_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    set_target_properties(${target} PROPERTIES AUTOMOC OFF)
endfunction()

# Adds one harness with the libraries of its reader to a target.
function(breathlab_add_harness target harness)
    target_sources(${target} PRIVATE ${BREATHLAB_FUZZ_DIR}/${harness}_harness.cpp)
    target_link_libraries(${target} PRIVATE ${${harness}_libraries})
endfunction()
