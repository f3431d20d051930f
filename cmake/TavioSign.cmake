# Authenticode signatures for what a distributor ships, made only when a key is given.
# The payload's programs are signed as they are linked, so the payload archive packs
# them signed and the installed copies carry the signature; the installer, linked
# after the archive, is signed last. Each setting may also come from the environment
# of a configure, which then wins over the cache: a key given there is never left
# out for a value cached earlier.
set(TAVIO_SIGN_PKCS12 "" CACHE FILEPATH "PKCS#12 file holding the key and certificates that sign the programs")
set(TAVIO_SIGN_PASSWORD_FILE "" CACHE FILEPATH "file whose first line is the key's password (a token's PIN)")
set(TAVIO_SIGN_TIMESTAMP "" CACHE STRING "URL of an RFC 3161 timestamp server")
set(TAVIO_SIGN_KEY_OPTIONS "" CACHE STRING
  "osslsigncode options naming a key held elsewhere than in a PKCS#12 file, such as on a token through PKCS#11")
foreach(setting PKCS12 PASSWORD_FILE TIMESTAMP KEY_OPTIONS)
  set(var TAVIO_SIGN_${setting})
  if(NOT "$ENV{${var}}" STREQUAL "")
    set(value "$ENV{${var}}")
    if(setting MATCHES "^(PKCS12|PASSWORD_FILE)$")
      get_filename_component(value "${value}" ABSOLUTE BASE_DIR "$ENV{PWD}")
    endif()
    set_property(CACHE ${var} PROPERTY VALUE "${value}")
    set(${var} "${value}")
  endif()
endforeach()

set(TAVIO_SIGN_COMMAND "")
if(TAVIO_SIGN_PKCS12 OR TAVIO_SIGN_KEY_OPTIONS)
  # What would stop the build halfway stops the configure instead.
  if(TAVIO_SIGN_PKCS12 AND TAVIO_SIGN_KEY_OPTIONS)
    message(FATAL_ERROR "signing: give TAVIO_SIGN_PKCS12 or TAVIO_SIGN_KEY_OPTIONS, not both")
  endif()
  if(NOT TAVIO_SIGN_PASSWORD_FILE)
    message(FATAL_ERROR "signing: TAVIO_SIGN_PASSWORD_FILE must name the file holding the key's password")
  endif()
  foreach(var TAVIO_SIGN_PKCS12 TAVIO_SIGN_PASSWORD_FILE)
    if(${var} AND (NOT EXISTS "${${var}}" OR IS_DIRECTORY "${${var}}"))
      message(FATAL_ERROR "signing: ${var} names ${${var}}, which is not a file")
    endif()
  endforeach()
  find_program(TAVIO_OSSLSIGNCODE osslsigncode)
  if(NOT TAVIO_OSSLSIGNCODE)
    message(FATAL_ERROR "signing: osslsigncode is missing (Debian's osslsigncode package; scripts/setup installs it)")
  endif()
  if(TAVIO_SIGN_PKCS12)
    set(key -pkcs12 "${TAVIO_SIGN_PKCS12}")
    set(TAVIO_SIGN_INPUTS "${TAVIO_SIGN_PKCS12}")
  else()
    # One argument, split by the signing script: a PKCS#11 URI holds semicolons.
    string(REPLACE ";" "$<SEMICOLON>" options "${TAVIO_SIGN_KEY_OPTIONS}")
    set(key -options "${options}")
    set(TAVIO_SIGN_INPUTS "")
  endif()
  if(TAVIO_SIGN_TIMESTAMP)
    list(APPEND key -ts "${TAVIO_SIGN_TIMESTAMP}")
  endif()
  list(APPEND TAVIO_SIGN_INPUTS "${TAVIO_SIGN_PASSWORD_FILE}" "${CMAKE_SOURCE_DIR}/cmake/sign")
  set(TAVIO_SIGN_COMMAND bash "${CMAKE_SOURCE_DIR}/cmake/sign" @PROGRAM@ @DESCRIPTION@ "${TAVIO_SIGN_PASSWORD_FILE}" ${key})
  message(STATUS "Signing the payload's programs and the installer (${TAVIO_SIGN_PKCS12}${TAVIO_SIGN_KEY_OPTIONS})")
endif()

# Signs TARGET's program as it is linked, when the build signs; DESCRIPTION is the
# name Windows shows for it (an elevation prompt's "Program name"). A new key, password
# file or signing script links it again.
function(tavio_sign target description)
  if(NOT TAVIO_SIGN_COMMAND)
    return()
  endif()
  string(REPLACE "@PROGRAM@" "$<TARGET_FILE:${target}>" command "${TAVIO_SIGN_COMMAND}")
  string(REPLACE "@DESCRIPTION@" "${description}" command "${command}")
  add_custom_command(TARGET ${target} POST_BUILD COMMAND ${command} VERBATIM)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${TAVIO_SIGN_INPUTS})
endfunction()
