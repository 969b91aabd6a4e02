# Desktop installation: the launcher entry, the application icon and the udev
# rule that gives the logged-in user access to FTDI programmers. The program
# itself is installed by app/.

set(VEXA_UDEV_RULES_DIR "" CACHE PATH
    "Folder for the udev rule; empty: /usr/lib/udev/rules.d with the /usr prefix, /etc/udev/rules.d otherwise")

install(FILES ${PROJECT_SOURCE_DIR}/resources/linux/vexa-modulant.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/zorvik_vexa.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME vexa-modulant.svg)

# The rule's folder is chosen at install time, so that --prefix given to
# cmake --install counts: udev reads neither /usr/local nor a home folder.
install(CODE "set(VEXA_UDEV_RULE \"${PROJECT_SOURCE_DIR}/resources/linux/60-vexa-modulant.rules\")
set(VEXA_UDEV_RULES_DIR \"${VEXA_UDEV_RULES_DIR}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallUdevRule.cmake)
