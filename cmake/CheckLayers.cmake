cmake_minimum_required(VERSION 3.25)
# Run with cmake -DSOURCE_DIR=<src> -P CheckLayers.cmake. Fails when a file includes a
# layer it must not see: core sees only core and the standard library (plus libplist and
# POSIX); the adapters and the windows see core and themselves.
set(forbidden_in_core "^(Q[A-Za-z]*|Qt[A-Za-z]*/.*|libudev\\.h|libevdev/.*|linux/.*|X11/.*|ui_.*)$")
set(allowed_layers
    "core:core"
    "device:core device"
    "pointer:core pointer"
    "bus:core bus"
    "ui:core ui")

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
set(violations "")
foreach(rule ${allowed_layers})
    string(REPLACE ":" ";" parts "${rule}")
    list(GET parts 0 layer)
    list(GET parts 1 allowed)
    string(REPLACE " " ";" allowed "${allowed}")
    file(GLOB_RECURSE files "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
    foreach(file ${files})
        file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line ${includes})
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" header "${line}")
            file(RELATIVE_PATH where "${SOURCE_DIR}" "${file}")
            if(layer STREQUAL "core" AND header MATCHES "${forbidden_in_core}")
                list(APPEND violations "${where}: <${header}> is a platform header (core stays plain C++)")
            endif()
            if(header MATCHES "^(core|device|pointer|bus|ui|app|eboardctl)/")
                string(REGEX REPLACE "/.*$" "" target_layer "${header}")
                if(NOT target_layer IN_LIST allowed)
                    list(APPEND violations "${where}: \"${header}\" reaches from ${layer} into ${target_layer}")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    list(JOIN violations "\n  " message)
    message(FATAL_ERROR "Include rules broken:\n  ${message}")
endif()
