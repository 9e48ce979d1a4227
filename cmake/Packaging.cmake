# Installation of the agent and what it needs at run time, and the Debian package.
# Paths follow GNUInstallDirs; the agent finds its pictures and translations in
# share/eboard beside its bin folder.

set(EBOARD_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/eboard)

if(TARGET eBoardAgent)
    install(TARGETS eBoardAgent RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # Built by lrelease into the build tree's share/eboard/translations.
    set(EBOARD_QM_FILES)
    foreach(language en zh ja fr de)
        list(APPEND EBOARD_QM_FILES
            ${CMAKE_BINARY_DIR}/share/eboard/translations/eboard_${language}.qm)
    endforeach()
    install(FILES ${EBOARD_QM_FILES} DESTINATION ${EBOARD_SHARE_DIR}/translations)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/pictures/
        DESTINATION ${EBOARD_SHARE_DIR}/pictures FILES_MATCHING PATTERN "*.png")
    install(FILES ${PROJECT_SOURCE_DIR}/resources/eBoardAgent.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/eboard-agent.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/dbus/com.jux.command.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/dbus-1/interfaces)
endif()

# Device access for the logged-in user (hidraw of the unit, uinput for the pointer).
file(GLOB EBOARD_UDEV_RULES ${PROJECT_SOURCE_DIR}/resources/udev/*.rules)
if(EBOARD_UDEV_RULES)
    install(FILES ${EBOARD_UDEV_RULES} DESTINATION lib/udev/rules.d)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME eboard)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "eboard maintainers <eboard@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libglib2.0-bin")
include(CPack)
