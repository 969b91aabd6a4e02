# The Debian package, made by scripts/package.sh with CPack: everything the
# install rules put under /usr, the copyright and changelog Debian asks for,
# the dependencies worked out from the shared libraries the programs link,
# and maintainer scripts that make udev apply the programmers' rule at once.

set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vexa-modulant)
set(debian_dir ${PROJECT_SOURCE_DIR}/resources/debian)
add_custom_command(
    OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
    COMMAND gzip -9nc ${debian_dir}/changelog > ${PROJECT_BINARY_DIR}/changelog.gz
    DEPENDS ${debian_dir}/changelog)
add_custom_target(vexa_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${debian_dir}/copyright ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexa-modulant)
set(CPACK_PACKAGE_VENDOR Zorvik)
set(CPACK_PACKAGE_CONTACT "Zorvik <support@zorvik.tech>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "programmer for the identification EEPROM of SFP transceivers
Vexa Modulant reads, edits and writes the identification memory of SFP
optical transceivers through a programmer built on an FTDI chip, a CH341A
or a Linux I2C adapter.

The window shows the module's bytes beside the decoded fields, monitors
its diagnostics and programs series of modules, each with a serial number
of its own. vexa-modulant-cli does the same transfers from a shell.

Both programs speak English and Russian; the Russian catalogue is built
into them. A udev rule gives the user at the machine access to the
programmers.")

# /usr as Debian has it; the install runs with DESTDIR, so the udev rule's
# folder is worked out for /usr (see InstallUdevRule.cmake).
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${debian_dir}/postinst ${debian_dir}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Checked when the package is made: the changelog must have an entry for
# the version packaged.
set(CPACK_VEXA_CHANGELOG ${debian_dir}/changelog)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageVersionCheck.cmake)

include(CPack)
