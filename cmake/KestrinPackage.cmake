# The Debian package: `cpack -G DEB` in the build tree packs what the install
# rules install. Its dependencies are found from the programs' shared
# libraries (dpkg-shlibdeps). It needs no maintainer scripts: the icon cache,
# the desktop entries' MIME cache and the manual page index are refreshed by
# the dpkg triggers of the packages that own them.
set(CPACK_PACKAGE_NAME kestrin)
set(CPACK_PACKAGE_VENDOR "The Kestrin developers")
set(CPACK_PACKAGE_CONTACT "The Kestrin developers <kestrin@kestrin.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compare text files, binary files and directories")
set(CPACK_PACKAGE_DESCRIPTION
    "Kestrin compares two text files line by line, two binary files byte by byte, or the
like-named files of a new and an old directory, and reports what was inserted, deleted,
reformatted and moved: a listing with reference numbers and change flags, statistics per
pair and a directory summary, shown in single- or dual-panel viewers that find, print and
save. The batch program kestrin-batch writes the same report from the command line.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kestrin)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the listing font ("Courier New" is mapped to
# Liberation Mono), and the desktop's opener for the help page.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kestrin.io/)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
include(CPack)
