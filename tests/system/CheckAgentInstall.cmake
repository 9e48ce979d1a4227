# cmake -DBUILD_DIR=... -DWORK_DIR=... -P CheckAgentInstall.cmake
# Installs the eboard component (the eboard Debian package's contents) into a scratch
# prefix and checks what a user gets besides the programs: a manual page for each
# program that documents every eboardctl command, bash completion that offers every
# command, and the copyright file and changelog.
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/../support/RunChecked.cmake)

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --component eboard --prefix ${prefix})

foreach(program eBoardAgent eboardctl)
    if(NOT EXISTS ${prefix}/bin/${program})
        message(FATAL_ERROR "${program} is not installed")
    endif()
    set(page ${prefix}/share/man/man1/${program}.1.gz)
    if(NOT EXISTS ${page})
        message(FATAL_ERROR "no manual page ${page}")
    endif()
    run(gzip -dc ${page})
    if(NOT run_output MATCHES "\n\\.TH \"${program}\" \"1\"")
        message(FATAL_ERROR "${page} is no section 1 page of ${program}:\n${run_output}")
    endif()
    set(roff_${program} "${run_output}")
endforeach()

# The commands eboardctl's own help lists: "  name ..." lines under "Commands:".
run(${prefix}/bin/eboardctl --help)
string(REGEX MATCH "Commands:\n(.*)\n\n" commands_block "${run_output}")
string(REGEX MATCHALL "\n  [a-z]+" commands "\n${CMAKE_MATCH_1}")
list(TRANSFORM commands REPLACE "^\n  " "")
list(REMOVE_DUPLICATES commands)
list(LENGTH commands command_count)
if(command_count LESS 7)
    message(FATAL_ERROR "could not read the commands from eboardctl --help:\n${run_output}")
endif()

set(completion ${prefix}/share/bash-completion/completions/eboardctl)
if(NOT EXISTS ${completion})
    message(FATAL_ERROR "no bash completion ${completion}")
endif()
run(bash -n ${completion})
file(READ ${completion} completion_text)
string(REGEX MATCH "commands=\"([^\"]*)\"" _ "${completion_text}")
string(REGEX REPLACE "[ \t\n]+" ";" completed "${CMAKE_MATCH_1}")

foreach(command IN LISTS commands)
    if(NOT roff_eboardctl MATCHES "\\\\fB${command}\\\\fR")
        message(FATAL_ERROR "eboardctl(1) does not document the command '${command}'")
    endif()
    if(NOT command IN_LIST completed)
        message(FATAL_ERROR "the bash completion does not offer the command '${command}'")
    endif()
endforeach()

foreach(file copyright changelog.gz)
    if(NOT EXISTS ${prefix}/share/doc/eboard/${file})
        message(FATAL_ERROR "share/doc/eboard/${file} is not installed")
    endif()
endforeach()
