# Desktop integration and the Debian package. The root CMakeLists.txt
# includes this file last, once every target exists.
include(GNUInstallDirs)

# One id ties the desktop entry, the icon, the AppStream metadata and the
# Wayland app id (QGuiApplication::setDesktopFileName in ui/main.cpp)
# together; a desktop finds the window's icon and name only when they agree.
set(GUWEN_APP_ID io.github.tavrin.guwen)

if(TARGET guwen)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/${GUWEN_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/${GUWEN_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/icons/hicolor
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME guwen)
set(CPACK_PACKAGE_VENDOR Tavrin)
set(CPACK_PACKAGE_CONTACT "Tavrin <tavrin@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/tavrin/guwen)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rearranges Chinese text into decorative layouts")
# Debian's long description, one paragraph; string(CONCAT) because a
# semicolon in a set() would split it into a list.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Tavrin古文转换 turns a piece of Chinese text into plain-text layouts for\n"
       "signatures and nicknames: vertical columns read right to left, with\n"
       "optional traditional characters; slanted text; and a separator between\n"
       "all characters of every line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries the binary links come from dpkg-shlibdeps. Qt loads its
# platform plugins at run time, which shlibdeps cannot see: the X11 one comes
# with libqt6gui6, the Wayland one is its own package. Without a CJK font the
# window shows empty boxes instead of its labels.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei")

include(CPack)
