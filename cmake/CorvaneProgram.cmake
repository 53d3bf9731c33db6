# corvane_add_program(<name> SOURCES ... LIBS ...): a GUI program that links statically, so it
# runs from a stick on any PC with nothing installed and imports only Windows system DLLs.
function(corvane_add_program name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} WIN32 ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} corvane_warnings)
  target_link_options(${name} PRIVATE -static)
  set_property(GLOBAL APPEND PROPERTY CORVANE_PROGRAMS ${name})
endfunction()

# Links a Windows test or helper executable the same way as the programs.
function(corvane_link_static name)
  target_link_options(${name} PRIVATE -static)
endfunction()
