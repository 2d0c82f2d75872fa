# The sanitize tree: the core and its tests built by clang with AddressSanitizer and UBSan, any
# finding fatal, and a libFuzzer program for each parser of what users hand the program.

set(orvell_checks -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1 -g)
# The core also carries the coverage the fuzzers steer by; the test programs ignore it.
target_compile_options(orvell_core PRIVATE ${orvell_checks} -fsanitize=fuzzer-no-link)
target_link_options(orvell_core INTERFACE -fsanitize=address,undefined)
add_compile_options(${orvell_checks})

# One CTest entry per test program, named after it, so the native tree's test names stay unique in
# the shared run; a failing program prints its own failed cases.
function(gtest_discover_tests target)
    add_test(NAME sanitize.${target} COMMAND ${target})
    set_tests_properties(sanitize.${target} PROPERTIES ENVIRONMENT "UBSAN_OPTIONS=print_stacktrace=1")
endfunction()
