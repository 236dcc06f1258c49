# The Debian package: `cpack -G DEB` in the build folder writes tyvok_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME tyvok)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "full-screen animation of turning gears in front of a star field")
# The extended description, one line of the control file each.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tyvok is a full-screen OpenGL animation: fourteen spur gears on two"
    "perpendicular rings turn in front of a field of coloured stars, driven by"
    "sine oscillators whose rates drift at random."
    "The keyboard and mouse tune speeds, field of view, letterbox bars, gear"
    "teeth, the picture wrapped over the gears and its texture mode, lighting,"
    "line and point drawing, a manual camera and a hyperspace mode that leaves"
    "trails. A help screen lists the keys."
    "It runs natively on X and on Wayland, and as an XScreenSaver hack, drawing"
    "into the screen saver's window.")
set(TYVOK_MAINTAINER "Tyvok maintainers <maintainers@tyvok.example>"
    CACHE STRING "The Debian package's maintainer")
set(CPACK_PACKAGE_CONTACT ${TYVOK_MAINTAINER})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Where Debian files its own XScreenSaver packages.
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links, with versions, as dpkg-shlibdeps finds them; and libdecor's
# plugin, which it loads at run time to draw the window's frame where the Wayland compositor
# draws none (libdecor only recommends it).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS libdecor-0-plugin-1-cairo)
# The program without its symbols: the package's users need no debugger's help.
set(CPACK_STRIP_FILES ON)
# Debian's file modes and ownership, whatever the build folder's umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
