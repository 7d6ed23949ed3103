# Build helpers shared by every subsystem folder.
#
# Core libraries hold the program's logic and may use QtCore and QtGui only; widget libraries
# hold the thin windows built from .ui files. orvane_check_core_libraries() refuses a core
# library that links a widget library or Qt's widget modules.

option(ORVANE_WARNINGS_AS_ERRORS "Fail the build on any compiler warning" OFF)
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow
  $<$<BOOL:${ORVANE_WARNINGS_AS_ERRORS}>:-Werror>)

set_property(GLOBAL PROPERTY ORVANE_CORE_LIBS "")
set_property(GLOBAL PROPERTY ORVANE_WIDGET_LIBS "")

function(orvane_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui ${ARG_DEPS})
  set_property(GLOBAL APPEND PROPERTY ORVANE_CORE_LIBS ${name})
endfunction()

function(orvane_widget_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets ${ARG_DEPS})
  set_property(GLOBAL APPEND PROPERTY ORVANE_WIDGET_LIBS ${name})
endfunction()

# Sets ${out} to TRUE when one of the libraries, or anything they link, is Qt Widgets or one of
# the widget libraries. The libraries must already be defined.
function(orvane_links_widgets out)
  get_property(widgets GLOBAL PROPERTY ORVANE_WIDGET_LIBS)
  set(pending ${ARGN})
  set(seen "")
  while(pending)
    list(POP_FRONT pending lib)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lib "${lib}")
    if(lib IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${lib})
    if(lib STREQUAL "Qt6::Widgets" OR lib IN_LIST widgets)
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
    if(TARGET ${lib})
      get_target_property(deps ${lib} INTERFACE_LINK_LIBRARIES)
      if(deps)
        list(APPEND pending ${deps})
      endif()
    endif()
  endwhile()
  set(${out} FALSE PARENT_SCOPE)
endfunction()

# A GoogleTest executable; tests are discovered when ctest runs, so the build needs no display.
# Tests of windows (LIBS reaching Qt Widgets) get the label "gui"; the shared test main's own
# QApplication does not count.
function(orvane_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE orvane_test_support ${ARG_LIBS})
  orvane_links_widgets(gui ${ARG_LIBS})
  set(labels "")
  if(gui)
    set(labels LABELS gui)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ${labels} ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()

function(orvane_check_core_libraries)
  get_property(core GLOBAL PROPERTY ORVANE_CORE_LIBS)
  get_property(widgets GLOBAL PROPERTY ORVANE_WIDGET_LIBS)
  set(forbidden Qt6::Widgets Qt6::Charts Qt6::MultimediaWidgets ${widgets})
  foreach(lib IN LISTS core)
    get_target_property(deps ${lib} LINK_LIBRARIES)
    foreach(dep IN LISTS deps)
      if(dep IN_LIST forbidden)
        message(FATAL_ERROR "Core library ${lib} must not depend on widgets (${dep}).")
      endif()
    endforeach()
  endforeach()
endfunction()
