# Run by cpack after it has built the Debian packages (CPACK_POST_BUILD_SCRIPTS).
# For a package holding a shared library, CPack writes postinst and postrm scripts
# that only call ldconfig; Debian runs ldconfig through a dpkg trigger instead. Such a
# package is rebuilt with an "activate-noawait ldconfig" trigger and without those
# scripts. Any other maintainer script is left alone.
find_program(DPKG_DEB dpkg-deb REQUIRED)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result ERROR_VARIABLE error)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${error}")
    endif()
endfunction()

# True when the script does nothing but call ldconfig (CPack's own text).
function(only_calls_ldconfig script out)
    set(${out} FALSE PARENT_SCOPE)
    if(NOT EXISTS ${script})
        return()
    endif()
    file(STRINGS ${script} lines)
    foreach(line IN LISTS lines)
        string(STRIP "${line}" line)
        if(line STREQUAL "" OR line MATCHES "^#!/bin/sh$|^set -e$|^fi$|^ldconfig$"
           OR line MATCHES "^if \\[ \"\\$1\" = \"(configure|remove)\" \\]; then$")
            continue()
        endif()
        return()
    endforeach()
    set(${out} TRUE PARENT_SCOPE)
endfunction()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    set(tree ${package}.tree)
    file(REMOVE_RECURSE ${tree})
    run(${DPKG_DEB} --raw-extract ${package} ${tree})
    only_calls_ldconfig(${tree}/DEBIAN/postinst postinst_is_ldconfig)
    only_calls_ldconfig(${tree}/DEBIAN/postrm postrm_is_ldconfig)
    if(postinst_is_ldconfig AND postrm_is_ldconfig)
        file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
        file(WRITE ${tree}/DEBIAN/triggers "activate-noawait ldconfig\n")
        run(${DPKG_DEB} --root-owner-group --build ${tree} ${package})
    endif()
    file(REMOVE_RECURSE ${tree})
endforeach()
