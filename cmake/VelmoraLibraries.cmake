# Helpers for the libraries under src/.

# velmora_library_sources(out folder): the .cpp files of a library folder with its platform variants
# chosen by the build: win32/*.cpp on Windows, *Portable.cpp elsewhere.
function(velmora_library_sources out folder)
    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
    if(WIN32)
        list(FILTER sources EXCLUDE REGEX "Portable\\.cpp$")
        file(GLOB win32_sources CONFIGURE_DEPENDS ${folder}/win32/*.cpp)
        list(APPEND sources ${win32_sources})
    endif()
    set(${out} ${sources} PARENT_SCOPE)
endfunction()

# velmora_include_root(target folder): the target's headers are included as "<folder>/Name.h" through
# an include root of its own in the build tree that holds only <folder>, a link to src/<folder>. The
# root is PUBLIC, so code sees the headers of its own library and of those it links, and no others:
# an include from a layer above fails to compile instead of only failing to link.
function(velmora_include_root target folder)
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT IS_SYMLINK ${root}/${folder})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    # Installed, every library's headers share one include folder (see VelmoraInstall.cmake).
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
endfunction()
