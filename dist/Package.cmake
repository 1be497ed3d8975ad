# `cpack -G DEB` in the build folder (scripts/package runs it and checks the result): a Debian
# package of what dist/Install.cmake installs. Its dependencies come from the libraries the
# program links (dpkg-shlibdeps), plus what it loads at run time without linking it.
set(CPACK_PACKAGE_NAME vellumark)
set(CPACK_PACKAGE_VENDOR "Vellumark developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VELLUMARK_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "overlay printing of data onto pre-printed paper bills")
set(CPACK_PACKAGE_DESCRIPTION "Vellumark prints the data of paper bills (cheques, bank slips, waybills,
receipts, labels) onto the real pre-printed paper. A format is a page in
millimetres with input boxes over a scanned blank bill; the boxes are filled
in and only the data is printed, shifted by calibration offsets. Every
printed bill is kept as history in an encrypted database, and rows of CSV or
spreadsheet files print as batches or label sheets. The texts are Chinese.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded, not linked: the Chinese fonts the pages and the window are drawn with, Qt's own
# Chinese dialog texts and its window-system plugins; printers are reached through CUPS.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n, qt6-qpa-plugins, tesseract-ocr-chi-sim, tesseract-ocr-eng, libpq5")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# No maintainer scripts: removing the package leaves every user's data folder alone.
include(CPack)
