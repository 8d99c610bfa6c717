# Fails when a folder includes a header of a folder above it in the layers
# calc < sweep < document < platform < graph < print < ui < app, or one of
# tests/ or bench/, which may include anything but nothing may include them;
# and when the layers that do without a screen (sweep/, document/ and the
# command line in app/) include a Qt header that is not Qt Core's, or link a
# Qt library beyond Qt Core, directly or through another library.
#
#   cmake -DSOURCE_DIR=<repository> -DQT_CORE_HEADERS=<the QtCore header folder>
#         -DLINKS=<file of "target: libraries it links"> -P layer_includes.cmake
#
# A header named without a folder is the includer's own or one of calc's,
# the one folder whose headers are also found that way; both lie below.

set(layers calc sweep document platform graph print ui app)
set(screenless sweep document app/command_line app/cli_texts)
set(violations "")

foreach(layer IN LISTS layers)
  list(FIND layers ${layer} rank)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    get_filename_component(folder "${source}" DIRECTORY)
    file(RELATIVE_PATH includer "${SOURCE_DIR}" "${source}")
    set(coreOnly FALSE)
    foreach(prefix IN LISTS screenless)
      if(includer MATCHES "^${prefix}")
        set(coreOnly TRUE)
      endif()
    endforeach()
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS lines)
      if(line MATCHES "<(Q[^>]*)>")
        set(qtInclude "${CMAKE_MATCH_1}")
        string(REGEX REPLACE "^Qt[A-Za-z]*/" "" qtHeader "${qtInclude}")
        if(coreOnly AND (NOT EXISTS "${QT_CORE_HEADERS}/${qtHeader}" OR qtInclude MATCHES "^Qt[A-Za-z]+/"
                         AND NOT qtInclude MATCHES "^QtCore/"))
          list(APPEND violations "${includer} includes <${qtInclude}>, which is not Qt Core's")
        endif()
        continue()
      endif()
      if(NOT line MATCHES "\"")
        continue()
      endif()
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
        list(APPEND violations "${includer} includes ${header}")
      endif()
    endforeach()
  endforeach()
endforeach()

file(STRINGS "${LINKS}" links)
foreach(entry IN LISTS links)
  if(entry MATCHES "^([^:]+): .*(Qt6::(Gui|Widgets|PrintSupport|Svg))")
    list(APPEND violations "${CMAKE_MATCH_1} links ${CMAKE_MATCH_2}")
  endif()
endforeach()

if(violations)
  list(JOIN violations "\n  " report)
  message(FATAL_ERROR "Layers broken:\n  ${report}")
endif()
