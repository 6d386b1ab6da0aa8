# The core's static libraries are compiled for executables (position-
# independent executables, which a shared object cannot take). The extension
# links copies of them compiled as position-independent code from the same
# sources with the same flags, so that the executables keep their code
# generation and the module computes the same numbers.

# For each library in `libraries` (names of targets), a target NAME_pic; links
# among them are mapped to the copies.
function(add_position_independent_copies)
    foreach(library ${ARGN})
        get_target_property(sources ${library} SOURCES)
        get_target_property(source_dir ${library} SOURCE_DIR)
        list(TRANSFORM sources PREPEND ${source_dir}/ REGEX "^[^/$]")
        add_library(${library}_pic STATIC ${sources})
        set_target_properties(${library}_pic PROPERTIES POSITION_INDEPENDENT_CODE ON AUTOMOC OFF)
        foreach(property INCLUDE_DIRECTORIES COMPILE_DEFINITIONS COMPILE_OPTIONS COMPILE_FEATURES
                         INTERFACE_INCLUDE_DIRECTORIES INTERFACE_COMPILE_DEFINITIONS)
            get_target_property(value ${library} ${property})
            if(value)
                set_property(TARGET ${library}_pic PROPERTY ${property} ${value})
            endif()
        endforeach()
        get_target_property(links ${library} LINK_LIBRARIES)
        if(links)
            foreach(copied ${ARGN})
                list(TRANSFORM links REPLACE "^${copied}$" "${copied}_pic")
            endforeach()
            target_link_libraries(${library}_pic PUBLIC ${links})
        endif()
    endforeach()
endfunction()
