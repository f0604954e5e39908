# Every program in FOLDER (and its subfolders) imports only DLLs that come
# with Windows: the C and C++ runtimes of the compiler are linked in.
# Run with -D OBJDUMP= (the cross objdump) -D FOLDER=.
cmake_minimum_required(VERSION 3.25)

set(windows_dlls
  advapi32 comctl32 comdlg32 gdi32 gdiplus imm32 kernel32 msvcrt ole32 oleaut32 shell32
  shlwapi user32 uxtheme version winmm)

file(GLOB_RECURSE programs ${FOLDER}/*.exe)
list(LENGTH programs count)
if(NOT count EQUAL 4)
  message(FATAL_ERROR "expected four programs in ${FOLDER}, found: ${programs}")
endif()
set(foreign "")
foreach(program IN LISTS programs)
  execute_process(COMMAND ${OBJDUMP} -p ${program} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} failed on ${program}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
  if(NOT imports)
    message(FATAL_ERROR "${program}: no imports read")
  endif()
  foreach(import IN LISTS imports)
    string(REGEX REPLACE "^DLL Name: (.+)\\.[dD][lL][lL]$" "\\1" dll "${import}")
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST windows_dlls)
      string(APPEND foreign "\n  ${program}: ${import}")
    endif()
  endforeach()
  message(STATUS "${program}: ${imports}")
endforeach()
if(foreign)
  message(FATAL_ERROR "DLLs that Windows does not have:${foreign}")
endif()
