# The .deb, made by CPack (`make package`, or `cpack -G DEB` in the build folder).
# Library dependencies (libc6, libstdc++6, the Qt 6 libraries) come from
# dpkg-shlibdeps with their minimum versions; what the programs load at run
# time without linking it is declared here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorsuite)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR VORsuite)
set(CPACK_PACKAGE_CONTACT "VORsuite maintainers <maintainers@vorsuite.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "VORkulator calculator and RaportVOR report viewer (Polish)")
# The summary becomes the first line; this is the long description under it.
set(CPACK_PACKAGE_DESCRIPTION "Two small Qt 6 desktop programs that speak Polish.
VORkulator is a two-register scientific calculator working in 80-bit
extended precision; it echoes every operand and result in a journal.
RaportVOR shows the run report (*.rpt) that the VOR solver writes for a
task, cleaned of prompts and box-drawing frames.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The platform plugins, Qt's Polish texts and the fonts the windows ask for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2, fonts-terminus, fonts-dejavu-core")
# A Wayland session works through XWayland without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
