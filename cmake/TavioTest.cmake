# One ctest entry per test executable (every Wine start costs seconds), labelled
# with its module so `ctest -L NAME` runs one module alone.
if(WIN32)
  set(TAVIO_WINE_STATE "${CMAKE_BINARY_DIR}/wine")
  set(TAVIO_WINE_RUN "${CMAKE_SOURCE_DIR}/cmake/wine-run")
  set(CMAKE_CROSSCOMPILING_EMULATOR "${TAVIO_WINE_RUN};${TAVIO_WINE_STATE}")
  add_test(NAME wine-start COMMAND "${CMAKE_SOURCE_DIR}/cmake/wine-session" start "${TAVIO_WINE_STATE}")
  add_test(NAME wine-stop COMMAND "${CMAKE_SOURCE_DIR}/cmake/wine-session" stop "${TAVIO_WINE_STATE}")
  set_tests_properties(wine-start PROPERTIES FIXTURES_SETUP wine)
  set_tests_properties(wine-stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

function(tavio_test name)
  cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  # A hung program under Wine must fail the run, not stall it.
  set_tests_properties(${name} PROPERTIES LABELS "${T_LABEL}" TIMEOUT 300)
  if(WIN32)
    # One Xvfb and one test prefix serve them all: never two at once, even under -j.
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine)
  endif()
endfunction()

# A shell-script test that drives Windows programs under Wine itself.
function(tavio_script_test name)
  cmake_parse_arguments(T "" "LABEL;SCRIPT" "ARGS;DEPENDS" ${ARGN})
  add_test(NAME ${name} COMMAND bash "${T_SCRIPT}" ${T_ARGS})
  set_tests_properties(${name} PROPERTIES LABELS "${T_LABEL}" FIXTURES_REQUIRED wine RESOURCE_LOCK wine TIMEOUT 900
    ENVIRONMENT "TAVIO_WINE_STATE=${TAVIO_WINE_STATE};TAVIO_WINE_RUN=${TAVIO_WINE_RUN}")
endfunction()

# Embeds every file below DIR into TARGET as a raw resource named after its path
# relative to ROOT ("sample/mark.png" -> SAMPLE_MARK_PNG), where page definitions
# and the loader find them.
function(tavio_embed_files target root dir)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS "${dir}/*")
  set(rc "")
  foreach(path ${files})
    file(RELATIVE_PATH relative "${root}" "${path}")
    string(TOUPPER "${relative}" name)
    string(REGEX REPLACE "[^A-Z0-9]" "_" name "${name}")
    string(APPEND rc "${name} RCDATA \"${path}\"\n")
  endforeach()
  string(MD5 tag "${dir}")
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${target}-${tag}-files.rc")
  file(GENERATE OUTPUT "${out}" CONTENT "${rc}")
  set_source_files_properties("${out}" PROPERTIES OBJECT_DEPENDS "${files}")
  target_sources(${target} PRIVATE "${out}")
endfunction()

# Embeds our packed skin (or the package file given) into TARGET as the file
# "skin.bin" of its page definitions.
function(tavio_embed_skin target)
  set(package "${TAVIO_SKIN_PACKAGE}")
  if(ARGC GREATER 1)
    set(package "${ARGV1}")
  endif()
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${target}-skin.rc")
  file(GENERATE OUTPUT "${out}" CONTENT "SKIN_BIN RCDATA \"${package}\"\n")
  set_source_files_properties("${out}" PROPERTIES OBJECT_DEPENDS "${package}")
  target_sources(${target} PRIVATE "${out}")
  add_dependencies(${target} skin_package)
endfunction()
