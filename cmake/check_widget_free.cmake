# Run by cratemark_widget_free (WidgetFree.cmake) as
#   cmake -DFORBIDDEN=<names file> -DROOT=<src> -DTARGET=<name> -DSOURCES=<files> -DSTAMP=<file>
#         -P check_widget_free.cmake
# Follows the program's own headers ("folder/file.h" under ROOT) from each source and fails on the
# first include of a widget or print-support header, naming the chain that led to it.
cmake_minimum_required(VERSION 3.25)
file(STRINGS "${FORBIDDEN}" forbidden)
set(found)
set(seen)

function(scan file chain)
  if("${file}" IN_LIST seen)
    return()
  endif()
  list(APPEND seen "${file}")
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line ${lines})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" header "${line}")
    get_filename_component(name "${header}" NAME)
    if(header MATCHES "^(QtWidgets|QtPrintSupport)(/|$)" OR name IN_LIST forbidden)
      list(APPEND found "${chain}${file}: #include <${header}>")
    elseif(line MATCHES "\"" AND EXISTS "${ROOT}/${header}")
      # The child adds to `found` and `seen` here.
      scan("${ROOT}/${header}" "${chain}${file} → ")
    endif()
  endforeach()
  set(found ${found} PARENT_SCOPE)
  set(seen ${seen} PARENT_SCOPE)
endfunction()

foreach(source ${SOURCES})
  if(EXISTS "${source}" AND source MATCHES "\\.(h|cpp)$")
    scan("${source}" "")
  endif()
endforeach()

if(found)
  list(JOIN found "\n  " report)
  message(FATAL_ERROR
    "${TARGET} is a core library and must not include a widget header "
    "(Qt Core and Gui only; windows belong in the folder's _ui library or in app/):\n  ${report}")
endif()
file(TOUCH "${STAMP}")
