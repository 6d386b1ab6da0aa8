# The plots as figures to take away: PNG, SVG and a one-page PDF report, drawn
# by the same code as the window's plots. Qt Gui and Svg, no widgets, so the
# command-line program can draw them without a display.
find_package(Qt6 REQUIRED COMPONENTS Gui Svg)
add_library(breathlab_figures STATIC
    ${CMAKE_CURRENT_LIST_DIR}/figure_export.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_pdf.cpp)
target_include_directories(breathlab_figures PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(breathlab_figures PUBLIC breathlab_curves breathlab_history Qt6::Gui Qt6::Svg)
set_target_properties(breathlab_figures PROPERTIES AUTOMOC OFF)
