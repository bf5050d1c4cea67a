# velmora_pack_skin(<name> <skin dir>): packs the skin whose skin.ini and bitmaps lie in <skin dir>
# with the project's own packer into ${PROJECT_BINARY_DIR}/skins/<name>/: <name>.package, the raw
# zlib stream a layout stores as "CompressedData", and <name>.skn, the compressed skin file. The
# target <name>_skin builds both. Cross builds pack with the build machine's skinpack.
function(velmora_pack_skin name dir)
    if(NOT TARGET skinpack)
        message(STATUS "${name} skin: no skinpack target yet, the skin is not packed")
        return()
    endif()
    if(CMAKE_CROSSCOMPILING)
        set(pack ${velmora_host_skinpack})
        set(pack_target host_skinpack)
    else()
        set(pack $<TARGET_FILE:skinpack>)
        set(pack_target skinpack)
    endif()
    set(out ${PROJECT_BINARY_DIR}/skins/${name})
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.bmp)
    list(APPEND sources ${dir}/skin.ini)
    add_custom_command(
        OUTPUT ${out}/${name}.package ${out}/${name}.skn
        COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
        COMMAND ${pack} build ${dir}/skin.ini --raw -o ${out}/${name}.package
        COMMAND ${pack} build ${dir}/skin.ini -o ${out}/${name}.skn
        DEPENDS ${pack_target} ${pack} ${sources}
        COMMENT "Packing the ${name} skin"
        VERBATIM)
    add_custom_target(${name}_skin ALL DEPENDS ${out}/${name}.package ${out}/${name}.skn)
endfunction()
