# Desktop installation: the launcher entry with its icons and AppStream data,
# the manual pages, the shell completion and the udev rule that gives the
# logged-in user access to the programmers. The programs themselves are
# installed by app/ and cli/. The Russian catalogue is built into both
# programs, so there is no catalogue file to install.

set(VEXA_UDEV_RULES_DIR "" CACHE PATH
    "Folder for the udev rule; empty: /usr/lib/udev/rules.d with the /usr prefix, /etc/udev/rules.d otherwise")

install(FILES ${PROJECT_SOURCE_DIR}/resources/linux/vexa-modulant.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/zorvik_vexa.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME vexa-modulant.svg)

# Menus and software centres that want bitmaps get them rendered from the
# drawing.
set(icons "")
foreach(size 16 24 32 48 64 128 256)
    set(png ${PROJECT_BINARY_DIR}/icons/${size}x${size}/vexa-modulant.png)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${VEXA_RSVG_CONVERT} --format png --width ${size} --height ${size} --output ${png}
                ${PROJECT_SOURCE_DIR}/resources/icons/zorvik_vexa.svg
        DEPENDS ${PROJECT_SOURCE_DIR}/resources/icons/zorvik_vexa.svg
        VERBATIM)
    list(APPEND icons ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(vexa_icons ALL DEPENDS ${icons})

install(FILES ${PROJECT_SOURCE_DIR}/resources/linux/tech.zorvik.vexa_modulant.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/linux/vexa-modulant-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME vexa-modulant-cli)
include(${CMAKE_CURRENT_LIST_DIR}/ManPages.cmake)

# The rule's folder is chosen at install time, so that --prefix given to
# cmake --install counts: udev reads neither /usr/local nor a home folder.
install(CODE "set(VEXA_UDEV_RULE \"${PROJECT_SOURCE_DIR}/resources/linux/60-vexa-modulant.rules\")
set(VEXA_UDEV_RULES_DIR \"${VEXA_UDEV_RULES_DIR}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallUdevRule.cmake)
