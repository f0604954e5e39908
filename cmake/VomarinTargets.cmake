# Shared settings and helpers for every target of the project.

if(WIN32)
  set(VOMARIN_PLATFORM win32)
else()
  set(VOMARIN_PLATFORM posix)
endif()

# Flags every target of ours gets (not applied to googletest). The compiler
# options are for C and C++ only: resource scripts go to windres.
add_library(vomarin_flags INTERFACE)
target_compile_options(vomarin_flags INTERFACE "$<$<COMPILE_LANGUAGE:C,CXX>:-Wall;-Wextra;-Werror>")
if(WIN32)
  # Sources are UTF-8, and so are the programs' narrow strings: text meets
  # Windows through the wide (UTF-16) calls only.
  target_compile_options(vomarin_flags INTERFACE
    "$<$<COMPILE_LANGUAGE:C,CXX>:-finput-charset=UTF-8;-fexec-charset=UTF-8>")
  target_compile_definitions(vomarin_flags INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE
                             _WIN32_WINNT=0x0601)
  target_link_options(vomarin_flags INTERFACE -static -static-libgcc -static-libstdc++)
endif()
if(VOMARIN_FUZZ)
  target_compile_options(vomarin_flags INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                         -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(vomarin_flags INTERFACE -fsanitize=address,undefined)
  target_compile_definitions(vomarin_flags INTERFACE VOMARIN_FUZZ_PIXEL_LIMIT=4194304)
endif()
if(VOMARIN_SANITIZE)
  target_compile_options(vomarin_flags INTERFACE
    "$<$<COMPILE_LANGUAGE:C,CXX>:-fsanitize=address,undefined;-fno-sanitize-recover=all;-fno-omit-frame-pointer>")
  target_link_options(vomarin_flags INTERFACE -fsanitize=address,undefined)
endif()
if(VOMARIN_SANITIZE_THREAD)
  target_compile_options(vomarin_flags INTERFACE
    "$<$<COMPILE_LANGUAGE:C,CXX>:-fsanitize=thread;-fno-omit-frame-pointer>")
  target_link_options(vomarin_flags INTERFACE -fsanitize=thread)
endif()

# vomarin_library(NAME SOURCES ... [WIN32 ...] [POSIX ...] [LINKS ...])
# One library per folder of src/; platform files are picked by suffix lists.
function(vomarin_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;WIN32;POSIX;LINKS" ${ARGN})
  set(sources ${ARG_SOURCES})
  if(WIN32)
    list(APPEND sources ${ARG_WIN32})
  else()
    list(APPEND sources ${ARG_POSIX})
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC vomarin_flags ${ARG_LINKS})
endfunction()

# vomarin_test(NAME SOURCES ... LINKS ... [WINDOWS_ONLY] [NATIVE_ONLY] [LOCALE L])
# One CTest test per executable: under wine every start costs seconds. The
# Windows tests run in the Japanese locale (code page 932) unless LOCALE
# names another.
function(vomarin_test name)
  cmake_parse_arguments(ARG "WINDOWS_ONLY;NATIVE_ONLY" "LOCALE" "SOURCES;LINKS" ${ARGN})
  if(NOT ARG_LOCALE)
    set(ARG_LOCALE ja_JP.UTF-8)
  endif()
  if(ARG_WINDOWS_ONLY AND NOT WIN32)
    return()
  endif()
  if(ARG_NATIVE_ONLY AND WIN32)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE vomarin_flags ${ARG_LINKS} GTest::gtest GTest::gtest_main)
  if(WIN32 AND NOT ARG_LOCALE STREQUAL "ja_JP.UTF-8")
    # Wine keeps the user's language and code page per server: the test runs
    # in a session of its own, on a prefix of its own for that locale.
    add_test(NAME ${name} COMMAND env WINE_SESSION_LOCALE=${ARG_LOCALE}
      ${PROJECT_SOURCE_DIR}/scripts/wine-session ${CMAKE_BINARY_DIR}/wineprefix-${ARG_LOCALE}
      ${PROJECT_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
    return()
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  if(WIN32)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
      "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;LANG=${ARG_LOCALE};LC_ALL=${ARG_LOCALE};WINEDEBUG=-all")
  else()
    # The tests compare the programs' Japanese texts: they run as on a
    # Japanese system, whatever the developer's own language.
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "LC_ALL=ja_JP.UTF-8")
  endif()
endfunction()
