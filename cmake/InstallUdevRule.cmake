# Runs inside cmake --install: puts the udev rule where udev reads it.
# Without write access there (an install into a home folder as a plain user)
# it says how to install the rule as root instead of failing the install.

if(VEXA_UDEV_RULES_DIR)
    set(dir "${VEXA_UDEV_RULES_DIR}")
    if(NOT IS_ABSOLUTE "${dir}")
        set(dir "${CMAKE_INSTALL_PREFIX}/${dir}")
    endif()
elseif(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set(dir "/usr/lib/udev/rules.d")
else()
    set(dir "/etc/udev/rules.d")
endif()

set(target "$ENV{DESTDIR}${dir}")
set(existing "${target}")
while(NOT EXISTS "${existing}")
    get_filename_component(existing "${existing}" DIRECTORY)
endwhile()
execute_process(COMMAND test -w "${existing}" RESULT_VARIABLE not_writable)

if(not_writable)
    get_filename_component(name "${VEXA_UDEV_RULE}" NAME)
    message(WARNING "The udev rule for FTDI programmers was not installed: no write access to ${existing}.\n"
                    "Install it as root:\n"
                    "  sudo install -m 644 ${VEXA_UDEV_RULE} /etc/udev/rules.d/${name}\n"
                    "  sudo udevadm control --reload-rules\n"
                    "then replug the programmer.")
else()
    file(INSTALL DESTINATION "${dir}" TYPE FILE FILES "${VEXA_UDEV_RULE}")
endif()
