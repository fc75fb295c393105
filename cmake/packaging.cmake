# The web page is packed by scripts/package-web.sh from the page's folder; nothing installs.
if(EMSCRIPTEN)
  return()
endif()
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
# On Windows a zip of Vexal.exe, which needs nothing but Windows itself, and the licence.
# scripts/package-windows.sh packs it under this name with the last commit's time stamps, which
# CPack's zip cannot take, and makes the installer of the same name from vexal.wxs.
if(WIN32)
  # One upgrade code for every version; a product code for each, made from it and the version.
  set(VEXAL_UPGRADE_CODE 4936D6CD-0912-4E35-A07C-D52969B04F66)
  string(UUID VEXAL_PRODUCT_CODE NAMESPACE ${VEXAL_UPGRADE_CODE} NAME ${PROJECT_VERSION} TYPE SHA1 UPPER)
  configure_file(${PROJECT_SOURCE_DIR}/data/vexal.wxs.in ${PROJECT_BINARY_DIR}/vexal.wxs @ONLY)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-windows-x86_64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  include(CPack)
  return()
endif()

# A Debian package of the installed files. Its library dependencies are read off the program
# by dpkg-shlibdeps; the font and Qt's Wayland plugin are the packages it needs but does not link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_PACKAGE_DESCRIPTION "A small single-player arcade shooting game. On a black field two rows
of green targets glide to the right and come back in from the left. Move the
cannon with 4 and 6 and fire with the space bar: every hit counts a win, every
target that gets away a loss, and every fifteenth win raises the level and
lifts the rows further out of reach.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VEXAL_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-wayland")
include(CPack)
