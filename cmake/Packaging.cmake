# Installation of the agent and what it needs at run time, and the Debian packages.
# Paths follow GNUInstallDirs; the agent finds its pictures and translations in
# share/eboard beside its bin folder.
#
# Four install components, one Debian package each (tools/check-packages.sh builds them):
#   eboard                   eboard                eBoardAgent, eboardctl and their files
#   UinputAccess             eboard-uinput-access  opt-in: /dev/uinput for the seat's user
#   TamsuToolKit             libtamsutoolkit1      the shared library (named after its soname)
#   TamsuToolKitDevelopment  libtamsutoolkit-dev   headers, CMake package, .pc, link

set(EBOARD_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/eboard)
set(EBOARD_PACKAGE_CONTACT "eboard maintainers <eboard@jux.com>"
    CACHE STRING "Maintainer of the Debian packages (name <address>)")

if(TARGET eBoardAgent)
    install(TARGETS eBoardAgent RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT eboard)
    # Built by lrelease into the build tree's share/eboard/translations.
    set(EBOARD_QM_FILES)
    foreach(language en zh ja fr de)
        list(APPEND EBOARD_QM_FILES
            ${CMAKE_BINARY_DIR}/share/eboard/translations/eboard_${language}.qm)
    endforeach()
    install(FILES ${EBOARD_QM_FILES} DESTINATION ${EBOARD_SHARE_DIR}/translations
        COMPONENT eboard)
    # The build's picture folder: the copied resources and the pictures drawn for every
    # language (one subfolder per translated language).
    install(DIRECTORY ${CMAKE_BINARY_DIR}/share/eboard/pictures/
        DESTINATION ${EBOARD_SHARE_DIR}/pictures COMPONENT eboard FILES_MATCHING PATTERN "*.png")
    install(FILES ${PROJECT_SOURCE_DIR}/resources/eBoardAgent.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT eboard)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/eboard-agent.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps COMPONENT eboard)
    # Sharp at every scale; the panel recolours the symbolic status icons to its theme.
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor COMPONENT eboard)
    # Software centres offer the package for the camera unit's USB id.
    install(FILES ${PROJECT_SOURCE_DIR}/resources/metainfo/com.jux.eBoardAgent.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT eboard)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/dbus/com.jux.command.xml
        ${PROJECT_SOURCE_DIR}/resources/dbus/com.jux.eBoardAgent.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/dbus-1/interfaces COMPONENT eboard)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/bash-completion/eboardctl
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions COMPONENT eboard)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/zsh-completion/_eboardctl
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions COMPONENT eboard)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/fish-completion/eboardctl.fish
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d COMPONENT eboard)

    # Manual pages: scdoc sources turned into roff, gzipped as Debian ships them.
    find_program(SCDOC_EXECUTABLE scdoc)
    if(NOT SCDOC_EXECUTABLE)
        message(FATAL_ERROR "scdoc builds the manual pages: run tools/install-deps.sh "
            "(or apt-get install scdoc)")
    endif()
    set(EBOARD_MAN_PAGES)
    foreach(page eBoardAgent.1 eboardctl.1)
        set(source ${PROJECT_SOURCE_DIR}/resources/man/${page}.scd)
        set(output ${CMAKE_BINARY_DIR}/share/man/man1/${page}.gz)
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share/man/man1
            COMMAND sh -c "set -e; '${SCDOC_EXECUTABLE}' < '${source}' | gzip -9n > '${output}'"
            DEPENDS ${source}
            COMMENT "Writing the manual page ${page}"
            VERBATIM)
        list(APPEND EBOARD_MAN_PAGES ${output})
    endforeach()
    add_custom_target(eboard_man_pages ALL DEPENDS ${EBOARD_MAN_PAGES})
    install(FILES ${EBOARD_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT eboard)
endif()

# Device access for the logged-in user: the unit's hidraw node with the agent; /dev/uinput,
# which lets every program of that user inject input, only in its own opt-in package.
install(FILES ${PROJECT_SOURCE_DIR}/resources/udev/60-eboard-hn42.rules
    DESTINATION lib/udev/rules.d COMPONENT eboard)
install(FILES ${PROJECT_SOURCE_DIR}/resources/udev/61-eboard-uinput.rules
    DESTINATION lib/udev/rules.d COMPONENT UinputAccess)
install(FILES ${PROJECT_SOURCE_DIR}/resources/modules-load/eboard-uinput.conf
    DESTINATION lib/modules-load.d COMPONENT UinputAccess)

# Every package carries the copyright file and the changelog in its doc folder.
set(EBOARD_PACKAGES eboard eboard-uinput-access)
set(EBOARD_PACKAGE_COMPONENTS eboard UinputAccess)
if(TARGET TamsuToolKit)
    list(APPEND EBOARD_PACKAGES libtamsutoolkit1 libtamsutoolkit-dev)
    list(APPEND EBOARD_PACKAGE_COMPONENTS TamsuToolKit TamsuToolKitDevelopment)
endif()
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in
    ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
set(EBOARD_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${EBOARD_CHANGELOG_GZ}
    COMMAND sh -c "gzip -9n < '${CMAKE_BINARY_DIR}/packaging/changelog' > '${EBOARD_CHANGELOG_GZ}'"
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog
    VERBATIM)
add_custom_target(eboard_changelog ALL DEPENDS ${EBOARD_CHANGELOG_GZ})
foreach(package component IN ZIP_LISTS EBOARD_PACKAGES EBOARD_PACKAGE_COMPONENTS)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright ${EBOARD_CHANGELOG_GZ}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()

# Debian packages, one per component.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME eboard)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${EBOARD_PACKAGE_CONTACT}")
# Each component's description starts with its own summary line; CPack would put a
# package-wide summary (by default the project's description) above it.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${EBOARD_PACKAGE_COMPONENTS})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A shlibs file for each package that holds a shared library: dependants get
# "libtamsutoolkit1 (>= version)".
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianLdconfigTrigger.cmake)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# dpkg-shlibdeps looks for the shlibs of a library built here in the build tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})

# Maintainer scripts keep the mode they have in the tree (0755).
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_EBOARD_PACKAGE_NAME eboard)
set(CPACK_DEBIAN_EBOARD_PACKAGE_SECTION utils)
# The dialogs set their live texts in these fonts (the pictures are drawn at build time).
# Qt's SVG support draws the symbolic tray icons in trays that take pixels.
set(CPACK_DEBIAN_EBOARD_PACKAGE_RECOMMENDS
    "libglib2.0-bin, libqt6svg6, fonts-noto-cjk, fonts-liberation | fonts-dejavu-core")
# GNOME shows tray icons only with the AppIndicator extension; Qt's own dialogs and
# messages in the user's language come with Qt's translations.
set(CPACK_DEBIAN_EBOARD_PACKAGE_SUGGESTS
    "eboard-uinput-access, gnome-shell-extension-appindicator, qt6-translations-l10n")
set(CPACK_DEBIAN_EBOARD_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/resources/debian/eboard/postinst)

set(CPACK_DEBIAN_UINPUTACCESS_PACKAGE_NAME eboard-uinput-access)
set(CPACK_DEBIAN_UINPUTACCESS_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_UINPUTACCESS_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_UINPUTACCESS_PACKAGE_DEPENDS "eboard (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_UINPUTACCESS_PACKAGE_CONTROL_EXTRA
    "${PROJECT_SOURCE_DIR}/resources/debian/eboard-uinput-access/postinst;${PROJECT_SOURCE_DIR}/resources/debian/eboard-uinput-access/postrm")
set(CPACK_COMPONENT_UINPUTACCESS_DESCRIPTION
"lets the eboard pen move the pointer on Wayland (uinput access)
Gives the user logged in at the local seat write access to /dev/uinput and
loads the uinput module at boot, so that eBoardAgent can move the pointer
through a virtual input device: the only way on Wayland desktops, and an
alternative to XTest on X11.

Security trade-off: a uinput device is trusted like real hardware. With this
package installed ANY program running as that user, not only eboard, can
create input devices and so inject key strokes and pointer events into the
whole session, password prompts included. Install it only where that is
acceptable; without it eboard moves the pointer in X11 sessions only.")
set(CPACK_COMPONENT_EBOARD_DESCRIPTION
"pen driver for the HN-42 camera unit
eBoardAgent turns an HN-42 USB camera unit that watches a projected screen
into a pen-driven pointing device: it maps the infrared pen's light point
through a four-point calibration onto the screen and posts mouse events
(touch to press, move to drag, lift to release, double-click, right click by
holding still). It sits in the system tray, runs calibrations and grades
them, and talks to other programs over the D-Bus session bus.

eboardctl inspects and drives the driver from a shell: calibration records,
grading, mapping, recording and replaying the unit's reports, and commands
to the running agent.

A udev rule gives the user at the seat access to the unit; access to
/dev/uinput, needed on Wayland, is in the opt-in package eboard-uinput-access.")

if(TARGET TamsuToolKit)
    set(CPACK_DEBIAN_TAMSUTOOLKIT_PACKAGE_NAME libtamsutoolkit1)
    set(CPACK_DEBIAN_TAMSUTOOLKIT_PACKAGE_SECTION libs)
    set(CPACK_COMPONENT_TAMSUTOOLKIT_DESCRIPTION
"small Qt 6 widget toolkit - runtime library
TamsuToolKit offers block-driven views and buttons, an attached popover
window, geometry helpers, a logging helper and small helpers around Qt's
image, colour and window classes.

This package contains the shared library.")

    set(CPACK_DEBIAN_TAMSUTOOLKITDEVELOPMENT_PACKAGE_NAME libtamsutoolkit-dev)
    set(CPACK_DEBIAN_TAMSUTOOLKITDEVELOPMENT_PACKAGE_SECTION libdevel)
    set(CPACK_DEBIAN_TAMSUTOOLKITDEVELOPMENT_PACKAGE_DEPENDS
        "libtamsutoolkit1 (= ${PROJECT_VERSION}), qt6-base-dev")
    set(CPACK_DEBIAN_TAMSUTOOLKITDEVELOPMENT_PACKAGE_SHLIBDEPS OFF)
    set(CPACK_COMPONENT_TAMSUTOOLKITDEVELOPMENT_DESCRIPTION
"small Qt 6 widget toolkit - development files
TamsuToolKit offers block-driven views and buttons, an attached popover
window, geometry helpers, a logging helper and small helpers around Qt's
image, colour and window classes.

This package contains the headers, the CMake package
(find_package(TamsuToolKit)), the pkg-config file and the link to the
library that the linker uses.")
endif()

include(CPack)
