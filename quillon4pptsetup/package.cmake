# The Debian package: both programs, config.mdb, img/ and the toolbar extension in
# /usr/lib/quillon4ppt, the folder QuillonSetup installs from; both programs on the PATH.
set(QUILLON_LIB_DIR lib/quillon4ppt)
install(TARGETS QuillonSetup quillon4ppt RUNTIME DESTINATION ${QUILLON_LIB_DIR})
install(FILES ${QUILLON_PROGRAM_DIR}/config.mdb ${QUILLON_PROGRAM_DIR}/quillon4ppt.oxt DESTINATION ${QUILLON_LIB_DIR})
install(DIRECTORY DESTINATION ${QUILLON_LIB_DIR}/img)

set(links ${CMAKE_CURRENT_BINARY_DIR}/links)
file(MAKE_DIRECTORY ${links})
foreach(program IN ITEMS quillon4ppt QuillonSetup)
  file(CREATE_LINK ../${QUILLON_LIB_DIR}/${program} ${links}/${program} SYMBOLIC)
  install(FILES ${links}/${program} DESTINATION bin)
endforeach()
install(FILES quillonsetup.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/extension/icons/functiongraph_26.png
        DESTINATION share/pixmaps RENAME quillonsetup.png)

set(CPACK_PACKAGE_NAME quillon4ppt)
set(CPACK_PACKAGE_VENDOR "quillon4ppt")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mathematics tools that put graphs, formulas and labels on presentation slides")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "quillon4ppt developers <quillon4ppt@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-impress, libreoffice-script-provider-python, python3-uno")
include(CPack)
