# Stages the release folder and writes the archive; run by the build with
#   -D SOURCE_DIR=  top of the source tree
#   -D RULES=       the release's rule file, UTF-8
#   -D STAGE=       a scratch folder of the build (emptied first)
#   -D NAME=        the archive's top folder, Vomarin+-<version>
#   -D VERSION=     the version shown in the user guide
#   -D ARCHIVE=     the .zip to write
#   -D STAMP=       the time of every entry, in seconds since 1970 (UTC)
#   -D PROGRAMS=    the windowed programs, ";"-separated
#   -D CONSOLE_PROGRAMS=  the console programs, which go into cli/
#   -D STRIP= -D ZIP= -D ICONV=  the tools
#
# Mosaikon.exe and mosaikon.exe differ only in letter case, which Windows
# ignores, so the console programs live in a folder of their own.
cmake_minimum_required(VERSION 3.25)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status ERROR_VARIABLE error)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}: ${error}")
  endif()
endfunction()

# The text of file with CR LF line ends, as Notepad shows them.
function(read_with_crlf file out)
  file(READ "${file}" text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(root ${STAGE}/${NAME})
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${root}/cli ${root}/resource)

# Stripped of their symbols; strip writes the time of SOURCE_DATE_EPOCH into
# the header, not the present time.
function(stage_program program folder)
  get_filename_component(name ${program} NAME)
  run(${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${STAMP} ${STRIP} -o ${folder}/${name} ${program})
endfunction()
foreach(program IN LISTS PROGRAMS)
  stage_program(${program} ${root})
endforeach()
foreach(program IN LISTS CONSOLE_PROGRAMS)
  stage_program(${program} ${root}/cli)
endforeach()
file(COPY_FILE ${SOURCE_DIR}/resource/check.bmp ${root}/resource/check.bmp)

# The programs read their rule file in the Japanese code page.
read_with_crlf(${RULES} rules)
file(WRITE ${STAGE}/setting.utf8 "${rules}")
run(${ICONV} -f UTF-8 -t CP932 -o ${root}/setting.ini ${STAGE}/setting.utf8)
file(REMOVE ${STAGE}/setting.utf8)

# The guide in UTF-8 with a byte-order mark, which every Notepad reads as such.
read_with_crlf(${SOURCE_DIR}/docs/readme.txt guide)
string(REPLACE "@VERSION@" "${VERSION}" guide "${guide}")
string(ASCII 239 187 191 bom)
file(WRITE ${root}/readme.txt "${bom}${guide}")

# Entries in a fixed order, each with the same time and mode and no extra
# fields (zip -X), so that the same sources give the same archive.
set(entries
  ${NAME}/Vomarin+.exe
  ${NAME}/Mosaikon.exe
  ${NAME}/readme.txt
  ${NAME}/setting.ini
  ${NAME}/resource/check.bmp
  ${NAME}/cli/vomarin.exe
  ${NAME}/cli/mosaikon.exe)
file(GLOB_RECURSE staged RELATIVE ${STAGE} ${root}/*)
list(SORT staged)
set(expected ${entries})
list(SORT expected)
if(NOT staged STREQUAL expected)
  message(FATAL_ERROR "staged files ${staged} are not the release's ${expected}")
endif()
foreach(entry IN LISTS entries)
  file(CHMOD ${STAGE}/${entry} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  run(touch -d @${STAMP} ${STAGE}/${entry})
endforeach()

file(REMOVE ${ARCHIVE})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${ZIP} -X -D -q -9 ${ARCHIVE} ${entries}
  WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zip failed (${status})")
endif()
