# Read by cpack: refuses a package whose version the changelog's latest
# entry does not name.
file(STRINGS "${CPACK_VEXA_CHANGELOG}" first_line LIMIT_COUNT 1)
if(NOT first_line MATCHES "^vexa-modulant \\(${CPACK_PACKAGE_VERSION}\\) ")
    message(FATAL_ERROR "The latest entry of ${CPACK_VEXA_CHANGELOG} is \"${first_line}\", "
                        "not version ${CPACK_PACKAGE_VERSION}: add an entry for the release first.")
endif()
