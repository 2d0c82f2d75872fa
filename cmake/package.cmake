# The release zip for Windows users (tools/package.py): orvell.exe, and orvell-cli.exe when the build
# makes one, with the files they read beside them, README.md and LICENSE, written to dist/ in the build
# folder; `./dev package` copies it to the repository's dist/. It is packed at every build (a moment's
# work), so it never lags behind the programs.
find_package(Python3 COMPONENTS Interpreter)
if(NOT Python3_FOUND)
    message(STATUS "No Python 3: the build makes no release zip")
    return()
endif()
set(ORVELL_PACKAGE ${CMAKE_BINARY_DIR}/dist/orvell-${PROJECT_VERSION}-win64.zip)
set(orvell_packaged orvell)
if(TARGET orvell-cli)
    list(APPEND orvell_packaged orvell-cli)
endif()
set(orvell_package_programs)
foreach(program ${orvell_packaged})
    list(APPEND orvell_package_programs $<TARGET_FILE:${program}>)
endforeach()
add_custom_target(orvell_package ALL
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/package.py --version ${PROJECT_VERSION}
        --source ${CMAKE_SOURCE_DIR} --out ${ORVELL_PACKAGE} ${orvell_package_programs}
    VERBATIM)
add_dependencies(orvell_package ${orvell_packaged})

# The zip as a user gets it, unzipped into an awkward read-only folder and run from there under Wine.
if(CMAKE_CROSSCOMPILING AND TARGET orvell_soak)
    add_test(NAME package_runs COMMAND sh ${CMAKE_SOURCE_DIR}/tests/package/run_from_package.sh
        ${ORVELL_PACKAGE} ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/wine-run.sh $<TARGET_FILE:orvell_soak>)
endif()
