# A .deb for Debian 12: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME velmor)
set(CPACK_PACKAGE_VENDOR "Velmor developers")
set(CPACK_PACKAGE_CONTACT "Velmor developers <dev@velmor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Converter for byte quantities in decimal and binary units")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://velmor.example")
set(CPACK_PACKAGE_INSTALL_DIRECTORY velmor)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt 6 runtime, its desktop platform plugins and the stand-in font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6svg6 (>= 6.4), qt6-qpa-plugins, fonts-liberation")
include(CPack)
