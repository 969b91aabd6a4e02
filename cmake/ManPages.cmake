# The manual pages, gzipped as Debian keeps them. The command line's page is
# made from the program's own help each time the program is built, so that it
# describes exactly the commands, options and exit codes the program has.

set(man_dir ${PROJECT_BINARY_DIR}/man)
set(cli_page ${man_dir}/vexa-modulant-cli.1)
set(window_page ${man_dir}/vexa-modulant.1)
configure_file(${PROJECT_SOURCE_DIR}/resources/linux/vexa-modulant.1.in ${window_page} @ONLY)

# Leak checking stays off: a sanitizer build must not fail over the
# program's exit while it only prints its help.
add_custom_command(
    OUTPUT ${cli_page}.gz
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            sh ${CMAKE_CURRENT_LIST_DIR}/cli-manpage.sh $<TARGET_FILE:vexa-modulant-cli> ${PROJECT_VERSION} ${cli_page}
    COMMAND gzip -9nf ${cli_page}
    DEPENDS vexa-modulant-cli ${CMAKE_CURRENT_LIST_DIR}/cli-manpage.sh
    COMMENT "Writing the manual page of vexa-modulant-cli from its help"
    VERBATIM)
add_custom_command(
    OUTPUT ${window_page}.gz
    COMMAND gzip -9nkf ${window_page}
    DEPENDS ${window_page}
    VERBATIM)
add_custom_target(vexa_manual_pages ALL DEPENDS ${cli_page}.gz ${window_page}.gz)

install(FILES ${cli_page}.gz ${window_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
