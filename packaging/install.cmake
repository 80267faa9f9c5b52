# Install rules and the Debian package. A prefix P gets the program in
# P/games (Debian's place for games), its data in P/share/games/sodbolt/ and
# the desktop files in P/share/. Another program joins the install with
# sodbolt_install_program(target), beside the game (a games package keeps all
# its programs there); its man page goes in SODBOLT_MAN_PAGES.
set(SODBOLT_APP_ID org.sodbolt.sodbolt)
set(SODBOLT_DATA_DESTINATION share/games/sodbolt)
set(SODBOLT_PROGRAM_DESTINATION games)
set(SODBOLT_MAN_PAGES ${CMAKE_SOURCE_DIR}/packaging/sodbolt.6 ${CMAKE_SOURCE_DIR}/packaging/sodbolt-tool.1)

function(sodbolt_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${SODBOLT_PROGRAM_DESTINATION})
endfunction()
sodbolt_install_program(sodbolt)
sodbolt_install_program(sodbolt-tool)

# The content, without the portable saves or leftovers of interrupted saves; the
# font comes from the system (fonts-dejavu-core), never from here.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/base/ DESTINATION ${SODBOLT_DATA_DESTINATION}/base
  PATTERN savegames EXCLUDE PATTERN "*.tmp~" EXCLUDE PATTERN "*.new" EXCLUDE)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/kwuidata/ DESTINATION ${SODBOLT_DATA_DESTINATION}/kwuidata
  PATTERN fonts EXCLUDE)

foreach(size 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/kwuidata/icons/sodbolt-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${SODBOLT_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${SODBOLT_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${SODBOLT_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# Man pages and the changelog go in compressed, reproducibly (no name or time in the header).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed)
foreach(page ${SODBOLT_MAN_PAGES} ${CMAKE_SOURCE_DIR}/packaging/changelog)
  get_filename_component(name ${page} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${page} > ${CMAKE_BINARY_DIR}/packaging/${name}.gz
    DEPENDS ${page} VERBATIM)
  list(APPEND compressed ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed})
foreach(page ${SODBOLT_MAN_PAGES})
  get_filename_component(name ${page} NAME)
  string(REGEX REPLACE ".*\\.([0-9])$" "\\1" section ${name})
  install(FILES ${CMAKE_BINARY_DIR}/packaging/${name}.gz DESTINATION share/man/man${section})
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DESTINATION share/doc/sodbolt)

# cpack -G DEB (in the build folder): sodbolt_<version>_<arch>.deb. The libraries it
# needs are found by dpkg-shlibdeps; the font is named.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sodbolt)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Sodbolt developers")
set(CPACK_PACKAGE_CONTACT "The Sodbolt developers <sodbolt@sodbolt.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "top-down arcade game about mowing lawns against the clock")
# The summary is the first line of the package's description, this the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Drive a mower over a garden and cut every patch of grass before time runs
out, while clouds drift across the field and make cut grass grow back.
Levels bring flower beds, ponds, hedges and narrow passages. A map editor,
a tile editor and a sprite editor work on the very files the game plays.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
