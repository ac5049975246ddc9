# Authenticode signing of the release's programs with osslsigncode (SHA-256 digests), each signature
# checked with `osslsigncode verify` before the file goes any further. What to sign with comes from the
# environment, so that neither a key nor its password lands in a build folder's cache or on a command line:
#   VANTREL_SIGN_CERT       a PKCS#12 file (.pfx or .p12: the certificate chain and its key), or the
#                           certificate chain alone (PEM or DER)
#   VANTREL_SIGN_KEY        the private key (PEM, DER or PVK) when VANTREL_SIGN_CERT is not PKCS#12
#   VANTREL_SIGN_PASS_FILE  a file holding the password of the key or of the PKCS#12 file (optional)
#   VANTREL_SIGN_TIMESTAMP  the address of an RFC 3161 timestamp server (optional; contacted only if given)
#   VANTREL_SIGN_CAFILE     the trusted root certificates the check uses (optional; default: osslsigncode's,
#                           the system's certificate bundle)
# Without VANTREL_SIGN_CERT nothing is signed. package.cmake includes this file; makensis runs it on the
# uninstaller before it embeds it in the installer:
#   cmake -DVANTREL_SIGN_FILE=<file> -DVANTREL_SIGN_DESCRIPTION=<name shown by Windows> -P sign.cmake

function(vantrel_signing_requested out)
    if("$ENV{VANTREL_SIGN_CERT}" STREQUAL "")
        set(${out} FALSE PARENT_SCOPE)
    else()
        set(${out} TRUE PARENT_SCOPE)
    endif()
endfunction()

# The osslsigncode options naming the certificate, the key and the password file.
function(_vantrel_sign_credentials out)
    foreach(variable VANTREL_SIGN_CERT VANTREL_SIGN_KEY VANTREL_SIGN_PASS_FILE VANTREL_SIGN_CAFILE)
        if(NOT "$ENV{${variable}}" STREQUAL "" AND NOT EXISTS "$ENV{${variable}}")
            message(FATAL_ERROR "signing: ${variable} names no file: $ENV{${variable}}")
        endif()
    endforeach()
    set(cert "$ENV{VANTREL_SIGN_CERT}")
    set(key "$ENV{VANTREL_SIGN_KEY}")
    set(pass "$ENV{VANTREL_SIGN_PASS_FILE}")
    string(TOLOWER "${cert}" lower)
    if(lower MATCHES "\\.(pfx|p12)$")
        if(NOT key STREQUAL "")
            message(FATAL_ERROR "signing: ${cert} is PKCS#12 and holds its own key; leave VANTREL_SIGN_KEY unset")
        endif()
        set(options -pkcs12 ${cert})
    elseif(key STREQUAL "")
        message(FATAL_ERROR "signing: VANTREL_SIGN_KEY must name the private key of ${cert} "
                            "(or VANTREL_SIGN_CERT a .pfx or .p12 file that holds it)")
    else()
        set(options -certs ${cert} -key ${key})
    endif()
    if(NOT pass STREQUAL "")
        list(APPEND options -readpass ${pass})
    endif()
    set(${out} ${options} PARENT_SCOPE)
endfunction()

# Sets `out` to osslsigncode's report when the signature of `file` doesn't verify, else to "": the file's
# digest must be the signed one and the certificate chain up to a trusted root. Revocation is Windows' to
# check: osslsigncode 2.9 would fetch the certificate's revocation list over the network, which -ignore-crl
# turns off (older ones, such as Debian 12's own 2.5, don't know the option and are run without it).
function(_vantrel_signature_problem osslsigncode file out)
    set(options)
    if(NOT "$ENV{VANTREL_SIGN_CAFILE}" STREQUAL "")
        set(options -CAfile $ENV{VANTREL_SIGN_CAFILE})
    endif()
    execute_process(COMMAND ${osslsigncode} --help OUTPUT_VARIABLE help ERROR_VARIABLE help)
    if(help MATCHES "-ignore-crl")
        list(APPEND options -ignore-crl)
    endif()
    execute_process(COMMAND ${osslsigncode} verify ${options} -in ${file}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(result EQUAL 0)
        set(output "")
    endif()
    set(${out} "${output}" PARENT_SCOPE)
endfunction()

# Ends packaging with the message; used in vantrel_sign, whose `file` and `signed` it deletes.
macro(_vantrel_sign_fail)
    file(REMOVE ${signed} ${file})
    message(FATAL_ERROR "signing: " ${ARGN})
endmacro()

# Signs `file` in place; `description` is the program's name as Windows shows it in the elevation prompt.
# A file that was to be signed and isn't is deleted, so that it can't be shipped by mistake.
function(vantrel_sign file description)
    set(signed "${file}.signed")
    find_program(VANTREL_OSSLSIGNCODE osslsigncode)
    if(NOT VANTREL_OSSLSIGNCODE)
        _vantrel_sign_fail("osslsigncode is not installed (Debian package osslsigncode)")
    endif()
    _vantrel_sign_credentials(credentials)
    set(timestamp)
    if(NOT "$ENV{VANTREL_SIGN_TIMESTAMP}" STREQUAL "")
        set(timestamp -ts $ENV{VANTREL_SIGN_TIMESTAMP})
    endif()
    # osslsigncode writes a new file, which replaces the unsigned one once its signature verifies.
    file(REMOVE ${signed})
    execute_process(
        COMMAND ${VANTREL_OSSLSIGNCODE} sign ${credentials} -h sha256 -n "${description}" ${timestamp}
            -in ${file} -out ${signed}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(output MATCHES "consistency of a private key|key values mismatch")
        _vantrel_sign_fail("the key $ENV{VANTREL_SIGN_KEY} does not belong to the certificate "
                           "$ENV{VANTREL_SIGN_CERT}, packaging stopped")
    elseif(NOT result EQUAL 0 OR NOT EXISTS ${signed})
        _vantrel_sign_fail("osslsigncode could not sign ${description} (${file}):\n${output}")
    endif()
    _vantrel_signature_problem(${VANTREL_OSSLSIGNCODE} ${signed} problem)
    if(NOT problem STREQUAL "")
        set(roots "the system's trusted roots (VANTREL_SIGN_CAFILE names others)")
        if(NOT "$ENV{VANTREL_SIGN_CAFILE}" STREQUAL "")
            set(roots "$ENV{VANTREL_SIGN_CAFILE}")
        endif()
        _vantrel_sign_fail("the signature of ${description} does not verify against ${roots}:\n${problem}")
    endif()
    file(RENAME ${signed} ${file})
    message(STATUS "signed ${description}: ${file}")
endfunction()

# Run with -P (by makensis) rather than included.
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    vantrel_sign("${VANTREL_SIGN_FILE}" "${VANTREL_SIGN_DESCRIPTION}")
endif()
