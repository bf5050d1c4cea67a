# Writes the launcher's layout with its images inlined as binary properties.
# Usage: cmake -DTEMPLATE=... -DASSETS=... -DPACKAGE=... -DOUTPUT=... -P GenerateLayout.cmake
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/LayoutHex.cmake)

bitmap_data(${ASSETS}/SpeedButton1Glyph.bmp "          " SPEEDBUTTON1_GLYPH)
bitmap_data(${ASSETS}/SpeedButton2Glyph.bmp "          " SPEEDBUTTON2_GLYPH)
picture_data(${ASSETS}/Image1Picture.bmp "          " IMAGE1_PICTURE)
# The stored skin: the packed Velmora skin's zlib stream.
raw_data(${PACKAGE} "      " SKIN_PACKAGE)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
