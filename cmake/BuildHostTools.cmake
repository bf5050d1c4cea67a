# Configures and builds the build-time tools with the build machine's own compiler.
# Usage: cmake -DSOURCE_DIR=... -DBINARY_DIR=... -DGENERATOR=... -P BuildHostTools.cmake
# Cross builds of one source tree share BINARY_DIR: the lock keeps two of them from building it at once.
file(MAKE_DIRECTORY ${BINARY_DIR})
file(LOCK ${BINARY_DIR}.lock GUARD PROCESS TIMEOUT 1200)

if(NOT EXISTS ${BINARY_DIR}/CMakeCache.txt)
    # The cross build's environment must not choose the compiler.
    unset(ENV{CC})
    unset(ENV{CXX})
    execute_process(
        COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BINARY_DIR} -G ${GENERATOR}
                -DCMAKE_BUILD_TYPE=Release -DVELMORA_HOST_TOOLS_ONLY=ON
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        file(REMOVE ${BINARY_DIR}/CMakeCache.txt)
        message(FATAL_ERROR "configuring the build-time tools failed")
    endif()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} --target skinpack RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "building the build-time tools failed")
endif()
