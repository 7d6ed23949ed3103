# Build helpers shared by every subsystem folder.
#
# Core libraries hold the program's logic and may use QtCore and QtGui only; widget libraries
# hold the thin windows built from .ui files. orvane_check_core_libraries() refuses a core
# library that links a widget library or Qt's widget modules.

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

# A GoogleTest executable; tests are discovered when ctest runs, so the build needs no display.
function(orvane_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE orvane_test_support ${ARG_LIBS})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
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
