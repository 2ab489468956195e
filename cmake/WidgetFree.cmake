# cratemark_widget_free(<target>): the build of <target> fails when one of its sources includes,
# directly or through the program's own headers, a header of Qt's widget or print-support modules
# (QWidget, QFileDialog, QPrinter, …). The core libraries build and run with Qt Core and Gui alone;
# their tests, which link nothing else, prove it at link time, and this check names the include
# that would break it before the linker does.

# The forbidden names: every header of QtWidgets and QtPrintSupport, less the few that QtWidgets
# only forwards to QtGui (qaction.h and the like).
function(_cratemark_module_headers module out)
  get_target_property(dirs Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
  set(names)
  foreach(dir ${dirs})
    if(dir MATCHES "/Qt${module}$" AND IS_DIRECTORY "${dir}")
      file(GLOB headers RELATIVE "${dir}" "${dir}/*")
      list(APPEND names ${headers})
    endif()
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

_cratemark_module_headers(Widgets widget_headers)
_cratemark_module_headers(PrintSupport print_support_headers)
_cratemark_module_headers(Gui gui_headers)
set(forbidden ${widget_headers} ${print_support_headers})
list(REMOVE_ITEM forbidden ${gui_headers})
list(LENGTH widget_headers widget_count)
if(widget_count EQUAL 0)
  message(FATAL_ERROR "WidgetFree: the QtWidgets headers were not found")
endif()
set(CRATEMARK_WIDGET_HEADERS "${CMAKE_BINARY_DIR}/widget_headers.txt")
list(JOIN forbidden "\n" forbidden_lines)
file(WRITE "${CRATEMARK_WIDGET_HEADERS}" "${forbidden_lines}\n")

set(_cratemark_widget_free_script "${CMAKE_CURRENT_LIST_DIR}/check_widget_free.cmake")

function(cratemark_widget_free target)
  get_target_property(listed ${target} SOURCES)
  get_target_property(dir ${target} SOURCE_DIR)
  set(sources)
  foreach(source ${listed})
    if(NOT IS_ABSOLUTE "${source}")
      set(source "${dir}/${source}")
    endif()
    list(APPEND sources "${source}")
  endforeach()
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}.widget_free")
  add_custom_command(
    OUTPUT "${stamp}"
    COMMAND ${CMAKE_COMMAND} "-DFORBIDDEN=${CRATEMARK_WIDGET_HEADERS}"
            "-DROOT=${PROJECT_SOURCE_DIR}/src" "-DTARGET=${target}" "-DSOURCES=${sources}"
            "-DSTAMP=${stamp}" -P "${_cratemark_widget_free_script}"
    DEPENDS ${sources} "${_cratemark_widget_free_script}"
    COMMENT "Checking that ${target} includes no widget header"
    VERBATIM)
  add_custom_target(${target}_widget_free DEPENDS "${stamp}")
  add_dependencies(${target} ${target}_widget_free)
endfunction()
