# The library as a package: `cmake --install <build dir> --prefix <dir>` puts the libraries a program
# links, their headers, skinpack, the Velmora skin and a CMake package configuration in place, so that
# an outside program says find_package(Velmora) and links Velmora::skinform_win32 (see README.md).
#
# Installed headers keep the spellings used inside the project ("skin/form/win32/SkinForm.h") under
# one include folder; the build's per-library include roots only guard the layering here.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VELMORA_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Velmora)
set(VELMORA_INSTALL_SKINDIR ${CMAKE_INSTALL_DATADIR}/velmora/skins)

# Library target and the folder under src/ that holds its own headers (not those of subfolders that
# belong to another library), in dependency order. Targets this build does not make are left out.
set(velmora_installed_libraries
    core core
    winbase winbase
    layout layout
    skindata skin/data
    skinrender skin/render
    skinpreview skin/render/preview
    skinrender_win32 skin/render/win32
    labelgraphics labels
    gui gui
    labels labels/win32
    skincontrolscore skin/controls/core
    skincontrols skin/controls
    skinpopup skin/popup
    skinpopup_win32 skin/popup/win32
    skinform skin/form
    skinform_win32 skin/form/win32)

set(velmora_export_targets)
while(velmora_installed_libraries)
    list(POP_FRONT velmora_installed_libraries target folder)
    if(NOT TARGET ${target})
        continue()
    endif()
    list(APPEND velmora_export_targets ${target})
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${folder})
endwhile()

# The headers include each other as "folder/Name.h" and use C++20.
target_compile_features(core PUBLIC cxx_std_20)
if(VELMORA_SANITIZE AND NOT WIN32)
    # Sanitized libraries need the sanitizers' run-time in the program that links them.
    target_link_options(core INTERFACE $<INSTALL_INTERFACE:-fsanitize=address,undefined>)
endif()

if(TARGET labels)
    # The labels' cursor resource is compiled into the program that links them (see its folder): the
    # installed target names the installed script, which finds the cursor beside itself.
    set(velmora_resource_dir ${CMAKE_INSTALL_DATADIR}/velmora/resources)
    set_property(TARGET labels PROPERTY INTERFACE_SOURCES
        $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src/labels/win32/Labels.rc>
        $<INSTALL_INTERFACE:${velmora_resource_dir}/Labels.rc>)
    install(FILES ${PROJECT_SOURCE_DIR}/src/labels/win32/Labels.rc
                  ${PROJECT_SOURCE_DIR}/src/labels/win32/HandCursor.cur
            DESTINATION ${velmora_resource_dir})
endif()

install(TARGETS ${velmora_export_targets} EXPORT VelmoraTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The packer of the build's own platform: skinpack.exe in a cross build (the build machine's copy
# stays a build-time tool under build/host).
if(TARGET skinpack)
    install(TARGETS skinpack EXPORT VelmoraTargets RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET velmora_skin)
    install(FILES ${PROJECT_BINARY_DIR}/skins/velmora/velmora.skn DESTINATION ${VELMORA_INSTALL_SKINDIR})
endif()

install(EXPORT VelmoraTargets NAMESPACE Velmora:: DESTINATION ${VELMORA_INSTALL_CMAKEDIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/VelmoraConfig.cmake.in
    ${PROJECT_BINARY_DIR}/package/VelmoraConfig.cmake
    INSTALL_DESTINATION ${VELMORA_INSTALL_CMAKEDIR}
    PATH_VARS VELMORA_INSTALL_SKINDIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/package/VelmoraConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/package/VelmoraConfig.cmake
              ${PROJECT_BINARY_DIR}/package/VelmoraConfigVersion.cmake
        DESTINATION ${VELMORA_INSTALL_CMAKEDIR})
