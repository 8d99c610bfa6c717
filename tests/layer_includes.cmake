# Fails when a folder includes a header of a folder above it in the layers
# calc < document < platform < graph < print < ui, or one of tests/ or bench/,
# which may include anything but nothing may include them.
#
#   cmake -DSOURCE_DIR=<repository> -P layer_includes.cmake
#
# A header named without a folder is the includer's own or one of calc's,
# the one folder whose headers are also found that way; both lie below.

set(layers calc document platform graph print ui)
set(violations "")

foreach(layer IN LISTS layers)
  list(FIND layers ${layer} rank)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    get_filename_component(folder "${source}" DIRECTORY)
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
      get_filename_component(beside "${folder}/${header}" ABSOLUTE)
      if(EXISTS "${beside}")
        file(RELATIVE_PATH path "${SOURCE_DIR}" "${beside}")
      else()
        set(path "${header}")
      endif()
      string(REGEX MATCH "^[^/]+/" top "${path}")
      string(REPLACE "/" "" top "${top}")
      list(FIND layers "${top}" topRank)
      if(topRank GREATER rank OR top STREQUAL "tests" OR top STREQUAL "bench")
        file(RELATIVE_PATH includer "${SOURCE_DIR}" "${source}")
        list(APPEND violations "${includer} includes ${header}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " report)
  message(FATAL_ERROR "Headers included from a layer above:\n  ${report}")
endif()
