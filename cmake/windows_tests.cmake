# GoogleTest for the Windows side. Cross builds compile it from Debian's source package; a build on
# Windows uses an installed GoogleTest when there is one and otherwise builds the program alone.
set(ORVELL_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest source tree for cross builds")

if(CMAKE_CROSSCOMPILING AND EXISTS "${ORVELL_GTEST_SOURCE}/CMakeLists.txt")
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    add_subdirectory(${ORVELL_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(NOT TARGET GTest::gtest_main)
        add_library(GTest::gtest_main ALIAS gtest_main)
        add_library(GTest::gtest ALIAS gtest)
    endif()
    set(ORVELL_HAVE_GTEST ON)
else()
    find_package(GTest QUIET)
    set(ORVELL_HAVE_GTEST ${GTest_FOUND})
endif()

if(CMAKE_CROSSCOMPILING)
    # Windows tests run under Wine in a prefix that lives in the build folder.
    set(ORVELL_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix")
    configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
        @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
        WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
endif()

if(ORVELL_HAVE_GTEST)
    add_subdirectory(tests/win)
endif()

if(CMAKE_CROSSCOMPILING)
    # orvell-cli.exe under Wine, as a script drives it natively.
    add_test(NAME cli_windows COMMAND ${CMAKE_SOURCE_DIR}/tests/cli/cli_test.sh $<TARGET_FILE:orvell-cli> windows)
    set_tests_properties(cli_windows PROPERTIES ENVIRONMENT "ORVELL_CLI_RUNNER=${CMAKE_BINARY_DIR}/wine-run.sh")
endif()

# The release exe stays under 2 MB as parts are added; symbols and unused code are already left out.
if(CMAKE_BUILD_TYPE STREQUAL "Release")
    add_test(NAME exe_size COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:orvell> -DLIMIT=2000000
        -P ${CMAKE_SOURCE_DIR}/cmake/check_exe_size.cmake)
endif()
