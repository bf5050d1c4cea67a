# A cross build never runs a program of its target: the tools it needs at build time (the skin
# packer) are built for the build machine, once for all cross builds of this source tree, unless
# VELMORA_HOST_SKINPACK names one already built.
set(VELMORA_HOST_SKINPACK "" CACHE FILEPATH "skinpack for the build machine (empty: built here)")
set(VELMORA_HOST_BUILD_DIR ${PROJECT_SOURCE_DIR}/build/host CACHE PATH "Where the build-time tools are built")

if(VELMORA_HOST_SKINPACK)
    add_custom_target(host_skinpack)
    set(velmora_host_skinpack ${VELMORA_HOST_SKINPACK})
else()
    set(velmora_host_skinpack ${VELMORA_HOST_BUILD_DIR}/tools/skinpack/skinpack)
    add_custom_target(host_skinpack
        COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DBINARY_DIR=${VELMORA_HOST_BUILD_DIR}
                -DGENERATOR=${CMAKE_GENERATOR} -P ${PROJECT_SOURCE_DIR}/cmake/BuildHostTools.cmake
        BYPRODUCTS ${velmora_host_skinpack}
        COMMENT "Building skinpack for the build machine"
        USES_TERMINAL
        VERBATIM)
endif()
