# Compiler settings every target of the project shares.
add_library(corvane_warnings INTERFACE)
target_compile_options(corvane_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
  -Wnull-dereference -Wimplicit-fallthrough -Wformat=2)
if(CORVANE_WERROR)
  target_compile_options(corvane_warnings INTERFACE -Werror)
endif()

if(WIN32)
  # The wide-character API throughout, so that any name or path works; the ANSI code page is only
  # a format of files on the drive, converted where they are read and written.
  target_compile_definitions(corvane_warnings INTERFACE
    UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0800)
endif()

if(CORVANE_SANITIZE)
  target_compile_options(corvane_warnings INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(corvane_warnings INTERFACE -fsanitize=address,undefined)
endif()
