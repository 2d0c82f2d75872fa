# The same cross build with clang instead of gcc: a second compiler's warnings on the Windows code.
# Clang brings no C++ library or start-up files for MinGW-w64; it borrows those of the installed
# MinGW-w64 gcc (posix threads).
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${ORVELL_MINGW_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${ORVELL_MINGW_TRIPLE})

# Clang looks for gcc's files under a folder named by a bare version ("12"); Debian's is "12-posix",
# so clang would miss it and fall back to the host's /usr/include. Name every folder instead.
execute_process(COMMAND ${ORVELL_MINGW_TRIPLE}-gcc-posix -print-libgcc-file-name
    OUTPUT_VARIABLE orvell_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(orvell_gcc_dir "${orvell_libgcc}" DIRECTORY)
set(orvell_cxx_headers "${orvell_gcc_dir}/include/c++")
set(orvell_c_headers "/usr/${ORVELL_MINGW_TRIPLE}/include")

# The C headers go after clang's own (its intrinsics and stddef.h), as in clang's own MinGW layout.
# gcc's C++ library keeps its thread-local variables emulated, so clang's code must reach them so too.
set(CMAKE_C_FLAGS_INIT "-nostdlibinc -idirafter ${orvell_c_headers} -femulated-tls")
set(CMAKE_CXX_FLAGS_INIT "-nostdlibinc -isystem ${orvell_cxx_headers} \
-isystem ${orvell_cxx_headers}/${ORVELL_MINGW_TRIPLE} -isystem ${orvell_cxx_headers}/backward \
-idirafter ${orvell_c_headers} -femulated-tls")
# gcc's start-up objects and libraries; its posix-threads runtime needs winpthreads. LLVM's linker:
# binutils' ld would warn about every type-info name of gcc's library that clang's objects also hold
# (their sizes differ, harmlessly). The compile flags come to the link too, where clang would call
# the include switch unused.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-fuse-ld=lld -B${orvell_gcc_dir} -L${orvell_gcc_dir} -pthread -Wno-unused-command-line-argument")
