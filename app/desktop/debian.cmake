# The Debian package (scripts/package runs CPack). The shared libraries' packages (Qt 6,
# libjpeg-turbo, the C++ runtime) come from dpkg-shlibdeps; what the program opens by name at
# run time is listed here: FluidSynth, loaded when music first plays, the General MIDI sound
# font and the fonts it substitutes.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantora-fernvales)
set(CPACK_PACKAGE_VENDOR "Vantora Software Ltd")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photographic guide to the Corvanic Fernvales")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Armchair travel through the Corvanic Fernvales, a coastal county of Verdanis,
in captioned photographs: choose a place on the country map or by name, look
at its views, step between places or round the coast, follow the detailed map,
search the captions, follow tours and watch slideshows with music. It works
entirely offline.")
set(CPACK_PACKAGE_CONTACT "Vantora Software Ltd <packages@vantorasoftware.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${FERN_WEBSITE}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libfluidsynth3, timgm6mb-soundfont, fonts-dejavu-core, fonts-urw-base35")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)

# Debian's changelog of the package, beside the copyright.
configure_file(changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
fern_gzip(${CMAKE_CURRENT_BINARY_DIR}/changelog ${changelog})
install(FILES ${changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantora-fernvales)
