# The Debian package, built by CPack from the install rules (scripts/package).
# Its dependencies are computed by dpkg-shlibdeps from the programs' libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaro3d)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tessaro 3D developers")
set(CPACK_PACKAGE_CONTACT "Tessaro 3D developers <${TESSARO_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "twisty-cube puzzle with numbered faces")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tessaro 3D scrambles a cube of 2x2x2 up to 5x5x5 small cubes whose faces carry
numbers; the player turns its layers back into order with the mouse, against
the clock. Games can be saved and loaded.
.
The package also holds cube-snapshot, which draws a cube or a saved game to a
PNG picture without a window.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tessaro 3D developers <${TESSARO_MAIL}>")
# Not "games": Debian keeps that section for programs in /usr/games, and the
# game installs into bin/ like the tool beside it.
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TESSARO_WEB_PAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debug information stays in the build; the package gets stripped programs.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
