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
