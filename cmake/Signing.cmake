# Optional Authenticode signing of the launcher with osslsigncode. Unsigned
# unless a certificate is given.
set(QUENFOLD_SIGN_CERTIFICATE "" CACHE FILEPATH
    "PKCS#12 file, or a PEM certificate together with QUENFOLD_SIGN_KEY (empty: unsigned)")
set(QUENFOLD_SIGN_KEY "" CACHE FILEPATH "PEM private key of a PEM certificate")
set(QUENFOLD_SIGN_PASSWORD_FILE "" CACHE FILEPATH "File holding the password of the key or PKCS#12 file")
set(QUENFOLD_SIGN_TIMESTAMP_URL "" CACHE STRING "RFC 3161 time-stamp server (empty: no time stamp)")

function(quenfold_sign target)
  if(NOT QUENFOLD_SIGN_CERTIFICATE)
    return()
  endif()
  find_program(QUENFOLD_OSSLSIGNCODE osslsigncode REQUIRED)
  foreach(file IN ITEMS QUENFOLD_SIGN_CERTIFICATE QUENFOLD_SIGN_KEY QUENFOLD_SIGN_PASSWORD_FILE)
    if(${file} AND NOT EXISTS "${${file}}")
      message(FATAL_ERROR "${file}=${${file}} does not exist")
    endif()
  endforeach()
  if(QUENFOLD_SIGN_KEY)
    set(credentials -certs ${QUENFOLD_SIGN_CERTIFICATE} -key ${QUENFOLD_SIGN_KEY})
  else()
    set(credentials -pkcs12 ${QUENFOLD_SIGN_CERTIFICATE})
  endif()
  if(QUENFOLD_SIGN_PASSWORD_FILE)
    list(APPEND credentials -readpass ${QUENFOLD_SIGN_PASSWORD_FILE})
  endif()
  if(QUENFOLD_SIGN_TIMESTAMP_URL)
    list(APPEND credentials -ts ${QUENFOLD_SIGN_TIMESTAMP_URL})
  endif()
  set(exe $<TARGET_FILE:${target}>)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${QUENFOLD_OSSLSIGNCODE} sign ${credentials} -h sha256 -n "Brellix Quenfold Setup" -in ${exe}
            -out ${exe}.signed
    COMMAND ${CMAKE_COMMAND} -E rename ${exe}.signed ${exe}
    COMMENT "Signing ${target}"
    VERBATIM)
endfunction()
