# The Debian package: both programs, config.mdb, img/, the typesetter and the toolbar extension in
# /usr/lib/quillon4ppt, the folder QuillonSetup installs from; both programs on the PATH.
set(QUILLON_LIB_DIR lib/quillon4ppt)
install(TARGETS QuillonSetup quillon4ppt RUNTIME DESTINATION ${QUILLON_LIB_DIR})
install(FILES ${QUILLON_PROGRAM_DIR}/config.mdb ${QUILLON_PROGRAM_DIR}/quillon4ppt.oxt DESTINATION ${QUILLON_LIB_DIR})
install(DIRECTORY ${QUILLON_PROGRAM_DIR}/img DESTINATION ${QUILLON_LIB_DIR} FILES_MATCHING PATTERN "*.png")
if(TARGET typeset_files)
  install(DIRECTORY ${QUILLON_PROGRAM_DIR}/typeset DESTINATION ${QUILLON_LIB_DIR})
endif()

set(links ${CMAKE_CURRENT_BINARY_DIR}/links)
file(MAKE_DIRECTORY ${links})
foreach(program IN ITEMS quillon4ppt QuillonSetup)
  file(CREATE_LINK ../${QUILLON_LIB_DIR}/${program} ${links}/${program} SYMBOLIC)
  install(FILES ${links}/${program} DESTINATION bin)
endforeach()
install(FILES quillonsetup.desktop DESTINATION share/applications)
# What Debian asks of every package: the copyright, for a native one changelog.gz, and
# manual pages, compressed the way Debian compresses them.
set(compressed)
foreach(file IN ITEMS changelog quillon4ppt.1 QuillonSetup.1)
  set(gz ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/debian/${file} > ${gz}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/debian/${file})
  list(APPEND compressed ${gz})
endforeach()
add_custom_target(package_documents ALL DEPENDS ${compressed})
install(FILES debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION share/doc/quillon4ppt)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quillon4ppt.1.gz ${CMAKE_CURRENT_BINARY_DIR}/QuillonSetup.1.gz
        DESTINATION share/man/man1)
install(FILES debian/lintian-overrides DESTINATION share/lintian/overrides RENAME quillon4ppt)
install(FILES ${PROJECT_SOURCE_DIR}/extension/icons/functiongraph_26.png
        DESTINATION share/pixmaps RENAME quillonsetup.png)

set(CPACK_PACKAGE_NAME quillon4ppt)
set(CPACK_PACKAGE_VENDOR "quillon4ppt")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mathematics tools that put graphs, formulas and labels on slides")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Small Chinese-language windows put coordinate systems, function
graphs, conics, typeset formulas, prepared figures and point labels onto a
presentation slide as ordinary, editable shapes: on a .pptx deck file, or live
in LibreOffice Impress through a toolbar that QuillonSetup installs per user.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "quillon4ppt developers <quillon4ppt@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The libraries the programs link come from dpkg-shlibdeps; these are the programs and
# modules they start or load at run time (README, "The Debian package", says why each).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "nodejs, poppler-utils, libreoffice-impress, libreoffice-math, libreoffice-script-provider-python, python3-uno, fonts-noto-cjk | fonts-wqy-zenhei | fonts-wqy-microhei | fonts-arphic-uming")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-wayland")
include(CPack)
