# Fails when the shipped exe has grown past its budget: cmake -DEXE=<file> -DLIMIT=<bytes> -P this file.
file(SIZE "${EXE}" size)
if(size GREATER LIMIT)
    message(FATAL_ERROR "${EXE} is ${size} bytes, over its budget of ${LIMIT}. Look for a library part "
        "that came in with the new code (a link map shows which object asked for it).")
endif()
message(STATUS "${EXE}: ${size} bytes of ${LIMIT}")
