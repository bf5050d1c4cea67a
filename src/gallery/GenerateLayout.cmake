# Writes the gallery's layout with its two built-in skins inlined as stored skins.
# Usage: cmake -DTEMPLATE=... -DVELMORA_PACKAGE=... -DEMBER_PACKAGE=... -DOUTPUT=... -P GenerateLayout.cmake
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/LayoutHex.cmake)

raw_data(${VELMORA_PACKAGE} "      " VELMORA_SKIN)
raw_data(${EMBER_PACKAGE} "      " EMBER_SKIN)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
