# corvane_add_program(<name> SOURCES ... LIBS ...): a GUI program that links statically, so it
# runs from a stick on any PC with nothing installed and imports only Windows system DLLs.
# windres reads the manifest as raw data, which the dependency scan of resource scripts does not
# see: without this a changed manifest would leave the programs carrying the old one.
function(corvane_resources_follow_manifest name)
  get_target_property(sources ${name} SOURCES)
  foreach(source IN LISTS sources)
    if(source MATCHES "\\.rc$")
      set_property(SOURCE ${source} APPEND PROPERTY OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/common/Manifest.xml)
    endif()
  endforeach()
endfunction()

function(corvane_add_program name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} WIN32 ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} corvane_warnings)
  target_link_options(${name} PRIVATE -static)
  # Resource scripts include the generated artwork and the shared resource headers.
  add_dependencies(${name} corvane_artwork)
  target_include_directories(${name} PRIVATE ${CORVANE_ARTWORK_DIR} ${PROJECT_SOURCE_DIR})
  corvane_resources_follow_manifest(${name})
  set_property(GLOBAL APPEND PROPERTY CORVANE_PROGRAMS ${name})
endfunction()

# Links a Windows test or helper executable the same way as the programs.
function(corvane_link_static name)
  target_link_options(${name} PRIVATE -static)
endfunction()

# The programs' icons and the link cursor, generated from the text artwork in art/ into
# ${CMAKE_BINARY_DIR}/art, where the resource scripts find them (menu.ico, stickwright.ico,
# kindel.ico, utility.ico, usbview.ico, tendwell.ico, hand.cur).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(CORVANE_ARTWORK_DIR ${CMAKE_BINARY_DIR}/art)
set(artwork_outputs)
foreach(icon menu stickwright kindel utility usbview tendwell)
  add_custom_command(OUTPUT ${CORVANE_ARTWORK_DIR}/${icon}.ico
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVANE_ARTWORK_DIR}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/make-artwork.py icon
            ${PROJECT_SOURCE_DIR}/art/${icon}.art ${CORVANE_ARTWORK_DIR}/${icon}.ico 16 32 48
    DEPENDS ${PROJECT_SOURCE_DIR}/art/${icon}.art ${PROJECT_SOURCE_DIR}/tools/make-artwork.py
    VERBATIM)
  list(APPEND artwork_outputs ${CORVANE_ARTWORK_DIR}/${icon}.ico)
endforeach()
add_custom_command(OUTPUT ${CORVANE_ARTWORK_DIR}/hand.cur
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVANE_ARTWORK_DIR}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/make-artwork.py cursor
          ${PROJECT_SOURCE_DIR}/art/hand.art ${CORVANE_ARTWORK_DIR}/hand.cur
  DEPENDS ${PROJECT_SOURCE_DIR}/art/hand.art ${PROJECT_SOURCE_DIR}/tools/make-artwork.py
  VERBATIM)
list(APPEND artwork_outputs ${CORVANE_ARTWORK_DIR}/hand.cur)
add_custom_target(corvane_artwork DEPENDS ${artwork_outputs})
