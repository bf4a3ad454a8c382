# A Debian package: zifrano_<version>_<arch>.deb. Its library dependencies are computed from
# the binaries by dpkg-shlibdeps; what the binaries load by name is added by hand below.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zifrano)
set(CPACK_PACKAGE_VERSION "${ZIFRANO_VERSION_TEXT}")
set(CPACK_PACKAGE_VENDOR "Gli autori di ZIFRANO")
set(CPACK_PACKAGE_CONTACT "${ZIFRANO_AUTHOR_EMAIL}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ZIFRANO <${ZIFRANO_AUTHOR_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Scrive gli importi in lettere per assegni e fatture")
# Debian shows the long description as it is: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "ZIFRANO scrive un importo in lettere, come su un assegno, una bolla o una
fattura: la forma in euro con i centesimi in cifre e la sola parte intera,
come per le lire. Il comando zifrano-lettere fa lo stesso per molti importi
alla volta.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZIFRANO_AUTHOR_WEB}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(ZIFRANO_BUILD_WINDOW)
    # The window names its fonts (DejaVu Sans, DejaVu Sans Condensed) and loads Qt's own
    # Italian texts (context menus, standard buttons): no library dependency brings either in.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-dejavu-extra, qt6-translations-l10n")
    # Without it Qt runs on a Wayland desktop through XWayland only.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
endif()
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/package")
include(CPack)
