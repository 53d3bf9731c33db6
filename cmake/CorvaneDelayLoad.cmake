# corvane_delay_import(<name> DLL <file.dll> FUNCTIONS <function>...)
#
# An interface library <name> that links the functions given so that their DLL is loaded on the
# first call of one of them instead of before the program's first line. Starting a process that
# imports shell32 or comdlg32 pays for loading them and the DLLs they pull in, which a window that
# only needs them on a click should not make the user wait for.
#
# Link <name> before the DLL's ordinary import library: a function of the DLL that is not listed
# here still links, through the ordinary import, and loads the DLL at start again.
#
# 64-bit builds only: the i686 dlltool of binutils 2.40 writes delay-import libraries whose address
# slots link as zero (the first call jumps to address 0), so for i686 <name> is empty and the DLL
# is imported as usual.
#
# A delay-loaded DLL is looked for when it is first called, so it must be a known DLL of Windows,
# which loads from the system folder only: the rule tools/check-imports.sh applies to the ordinary
# imports, which cannot see these.
function(corvane_delay_import name)
  cmake_parse_arguments(arg "" "DLL" "FUNCTIONS" ${ARGN})
  if(NOT arg_DLL MATCHES "^(shell32|comdlg32|advapi32|ole32|oleaut32|shlwapi|setupapi)\\.dll$")
    message(FATAL_ERROR "${arg_DLL} is not a known DLL of Windows: it cannot be loaded on first use safely")
  endif()
  add_library(${name} INTERFACE)
  if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
    return()
  endif()
  list(JOIN arg_FUNCTIONS "\n  " exports)
  set(def ${CMAKE_CURRENT_BINARY_DIR}/${name}.def)
  set(library ${CMAKE_CURRENT_BINARY_DIR}/lib${name}.a)
  file(CONFIGURE OUTPUT ${def} CONTENT "LIBRARY ${arg_DLL}\nEXPORTS\n  ${exports}\n")
  add_custom_command(OUTPUT ${library}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${arg_DLL} --output-delaylib ${library}
    DEPENDS ${def}
    VERBATIM)
  add_custom_target(${name}_library DEPENDS ${library})
  target_link_libraries(${name} INTERFACE ${library})
  add_dependencies(${name} ${name}_library)
endfunction()
