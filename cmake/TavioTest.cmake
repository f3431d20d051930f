# One ctest entry per test executable (every Wine start costs seconds), labelled
# with its module so `ctest -L NAME` runs one module alone.
if(WIN32)
  set(TAVIO_WINE_STATE "${CMAKE_BINARY_DIR}/wine")
  set(TAVIO_WINE_RUN "${CMAKE_SOURCE_DIR}/cmake/wine-run")
  # Which Wine runs this build's programs (cmake/wine-arch.sh reads it).
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(TAVIO_WINE_ARCH win64)
  else()
    set(TAVIO_WINE_ARCH win32)
  endif()
  file(MAKE_DIRECTORY "${TAVIO_WINE_STATE}")
  file(WRITE "${TAVIO_WINE_STATE}/arch" "${TAVIO_WINE_ARCH}\n")
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
    ENVIRONMENT "TAVIO_WINE_STATE=${TAVIO_WINE_STATE};TAVIO_WINE_RUN=${TAVIO_WINE_RUN};TAVIO_CC=${CMAKE_C_COMPILER}")
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

# Embeds the payload resources into TARGET: the archive as "F1" and the archive library
# as "F7z", deflated in zlib's format, as staging inflates it: the library is most of
# what every download carries besides the payload.
function(tavio_embed_payload target archive library)
  set(deflated "${CMAKE_CURRENT_BINARY_DIR}/${target}-library.z")
  add_custom_command(OUTPUT "${deflated}"
    COMMAND python3 -c "import sys, zlib; open(sys.argv[2], 'wb').write(zlib.compress(open(sys.argv[1], 'rb').read(), 9))"
      "${library}" "${deflated}"
    DEPENDS "${library}" VERBATIM)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${target}-payload.rc")
  file(GENERATE OUTPUT "${out}" CONTENT "F1 RCDATA \"${archive}\"\nF7Z RCDATA \"${deflated}\"\n")
  set_source_files_properties("${out}" PROPERTIES OBJECT_DEPENDS "${archive};${deflated}")
  target_sources(${target} PRIVATE "${out}" "${deflated}")
endfunction()

# An installer program: Main, the shared resources (manifest for the build's
# architecture, icon, version), the pages and the skin. Its payload resources come
# from tavio_embed_payload; without them it is the installer's own cost.
function(tavio_installer_program target)
  add_executable(${target} WIN32 ${ARGN} ${CMAKE_SOURCE_DIR}/src/app/Main.cpp ${CMAKE_SOURCE_DIR}/src/app/TavioSetup.rc)
  target_link_libraries(${target} PRIVATE tavio_installer)
  target_link_options(${target} PRIVATE ${TAVIO_INSTALLER_LINK_OPTIONS})
  set_source_files_properties(${CMAKE_SOURCE_DIR}/src/app/TavioSetup.rc PROPERTIES
    OBJECT_DEPENDS "${TAVIO_MANIFEST_DIR}/TavioSetup.manifest;${CMAKE_SOURCE_DIR}/assets/icons/tavio.ico")
  target_include_directories(${target} PRIVATE ${TAVIO_MANIFEST_DIR} ${CMAKE_SOURCE_DIR}/assets/icons)
  tavio_embed_files(${target} ${CMAKE_SOURCE_DIR}/assets/pages ${CMAKE_SOURCE_DIR}/assets/pages)
  tavio_embed_skin(${target})
endfunction()
