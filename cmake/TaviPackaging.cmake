# The packages a user installs, named with the project's VERSION:
#   Linux:   cpack -G DEB in build/linux makes tavi-setting_<version>_<arch>.deb with both programs,
#            their icons and desktop entries.
#   Windows: cpack -G ZIP in build/windows makes Tavi-Setting-<version>-windows.zip with
#            "Tavi Setting.exe", "setup.exe" and a read-me.
set(CPACK_PACKAGE_NAME "tavi-setting")
set(CPACK_PACKAGE_VENDOR "Tavi")
set(CPACK_PACKAGE_CONTACT "Tavi Setting developers <tavi-setting@tavi.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Settings editor and installer of the Tavi suite")
set(CPACK_PACKAGE_DESCRIPTION
    "Tavi Setting edits the settings of the Tavi measurement and therapy suite\n"
    "running under Wine; tavi-setup installs the suite from its installation medium.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
# The day of the release of VERSION, for the changelog and the AppStream metadata; the
# changelog's entry (packaging/linux/changelog.in) is written out in full.
set(TAVI_RELEASE_DATE "2026-12-11")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(readme "${CMAKE_BINARY_DIR}/READ-ME.txt")
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/READ-ME.txt.in "${readme}" @ONLY
                 NEWLINE_STYLE CRLF)
  install(TARGETS tavi_setting_exe tavi_setup_exe RUNTIME DESTINATION .)
  install(FILES "${readme}" DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME "Tavi-Setting-${PROJECT_VERSION}-windows")
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
elseif(TAVI_QT_FRONTEND)
  install(TARGETS tavi-setting tavi-setup RUNTIME DESTINATION bin)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/linux/tavi-setting.desktop
                ${PROJECT_SOURCE_DIR}/packaging/linux/tavi-setup.desktop
          DESTINATION share/applications)
  # What Debian's tools expect of a package besides the programs: manual pages and changelog
  # compressed as lintian wants them, the copyright and AppStream metadata for software centres.
  set(debian_files "${CMAKE_BINARY_DIR}/packaging")
  set(compressed)
  foreach(file tavi-setting.1 tavi-setup.1 changelog)
    configure_file("${PROJECT_SOURCE_DIR}/packaging/linux/${file}.in" "${debian_files}/${file}"
                   @ONLY)
    add_custom_command(OUTPUT "${debian_files}/${file}.gz"
                       COMMAND gzip -9nkf "${debian_files}/${file}"
                       DEPENDS "${debian_files}/${file}"
                       VERBATIM)
    list(APPEND compressed "${debian_files}/${file}.gz")
  endforeach()
  add_custom_target(tavi_debian_files ALL DEPENDS ${compressed})
  set(metainfo example.tavi.tavi_setting.metainfo.xml)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/linux/${metainfo}.in "${debian_files}/${metainfo}"
                 @ONLY)
  install(FILES "${debian_files}/tavi-setting.1.gz" "${debian_files}/tavi-setup.1.gz"
          DESTINATION share/man/man1)
  install(FILES "${debian_files}/changelog.gz" ${PROJECT_SOURCE_DIR}/packaging/linux/copyright
          DESTINATION share/doc/tavi-setting)
  install(FILES "${debian_files}/${metainfo}" DESTINATION share/metainfo)
  foreach(size 16x16 32x32 48x48 256x256)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/linux/icons/${size}/tavi-setting.png
                  ${PROJECT_SOURCE_DIR}/packaging/linux/icons/${size}/tavi-setup.png
            DESTINATION share/icons/hicolor/${size}/apps)
  endforeach()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
  # The Qt libraries, found by dpkg-shlibdeps; the suite itself runs under Wine, and Tahoma
  # comes with fonts-wine.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wine, fonts-wine")
endif()
include(CPack)
