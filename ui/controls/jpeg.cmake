# JPEG decoding for the window backgrounds: libjpeg-turbo called directly, no Qt.
# Included by ui/controls/CMakeLists.txt, and by the asset tests when that folder does not
# include it; the guard keeps the target to one definition. Paths are taken from this
# file's own folder so that either includer gets the same sources.
include_guard(GLOBAL)

find_package(JPEG REQUIRED)

add_library(klarvon_jpeg STATIC
  ${CMAKE_CURRENT_LIST_DIR}/JpegDecoder.h
  ${CMAKE_CURRENT_LIST_DIR}/JpegDecoder.cpp
)
target_include_directories(klarvon_jpeg PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(klarvon_jpeg PRIVATE JPEG::JPEG klarvon_warnings)
