# The page's tests, run by CTest: unit tests of the front end's logic under
# node, a type check, and the browser tests, which drive Debian's chromium
# headless through playwright-core (no browser is ever downloaded).
set(test_out ${CMAKE_BINARY_DIR}/web-tests)
file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.test.ts)
file(GLOB test_support CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.ts)
set(test_outputs)
foreach(source ${test_sources})
    get_filename_component(name ${source} NAME_WE)
    add_custom_command(OUTPUT ${test_out}/${name}.test.mjs
        COMMAND ${esbuild} ${source} --bundle --platform=node --format=esm
                --external:playwright-core --outfile=${test_out}/${name}.test.mjs --log-level=warning
        DEPENDS ${test_support} ${ts_sources}
        VERBATIM)
    list(APPEND test_outputs ${test_out}/${name}.test.mjs)
endforeach()
# The bundled tests import playwright-core from the project's node_modules.
add_custom_command(OUTPUT ${test_out}/node_modules
    COMMAND ${CMAKE_COMMAND} -E make_directory ${test_out}
    COMMAND ${CMAKE_COMMAND} -E create_symlink ${CMAKE_CURRENT_SOURCE_DIR}/node_modules ${test_out}/node_modules
    VERBATIM)
add_custom_target(web_tests ALL DEPENDS ${test_outputs} ${test_out}/node_modules)

# The tests run with an empty temporary folder and an empty home of their own,
# and afterwards both must still be empty: tests clean up after themselves and
# never write into the user's home (chromium, for one, would leave its crash
# reports there).
set(scratch ${test_out}/scratch)
add_test(NAME web.scratch_folders
    COMMAND bash -c [[rm -rf "$0" && mkdir -p "$0/tmp" "$0/home"]] ${scratch})
add_test(NAME web.leaves_nothing_behind
    COMMAND bash -c [[left=$(find "$0" -mindepth 2 | head); rm -rf "$0";
                      [ -z "$left" ] || { echo "left behind: $left"; exit 1; }]] ${scratch})
set_tests_properties(web.scratch_folders PROPERTIES FIXTURES_SETUP web_scratch)
set_tests_properties(web.leaves_nothing_behind PROPERTIES FIXTURES_CLEANUP web_scratch)
foreach(source ${test_sources})
    get_filename_component(name ${source} NAME_WE)
    add_test(NAME web.${name} COMMAND ${BREATHLAB_NODE} --test ${test_out}/${name}.test.mjs)
    set_tests_properties(web.${name} PROPERTIES
        ENVIRONMENT "BREATHLAB_WEB_DIR=${site};BREATHLAB_CLI=${BREATHLAB_BIN_DIR}/breathlab-cli;BREATHLAB_WEB_OUT=${test_out};TMPDIR=${scratch}/tmp;HOME=${scratch}/home"
        FIXTURES_REQUIRED web_scratch
        TIMEOUT 300)
endforeach()
set_tests_properties(web.page web.page_reports PROPERTIES RUN_SERIAL TRUE)

add_test(NAME web.typecheck
    COMMAND ${BREATHLAB_NODE} ${CMAKE_CURRENT_SOURCE_DIR}/node_modules/typescript/bin/tsc
            -p ${CMAKE_CURRENT_SOURCE_DIR}/tsconfig.json)
