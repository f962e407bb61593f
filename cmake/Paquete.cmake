# The Debian package: `cpack` in the build folder (or `cmake --build build
# --target package`) makes quorvane_<version>_<arch>.deb from the install
# rules: the program, its private libraries, the data folder with the compiled
# help book, the launcher, the software-centre entry and the icon.
# scripts/comprueba-paquete.sh builds it and checks it as a user would.

set(QUORVANE_MANTENEDOR "Quorvane maintainers <maintainers@quorvane.org>"
  CACHE STRING "Maintainer named in the Debian package")

# Documentation every Debian package carries: copyright and changelog
# (compressed without a time stamp, as Debian policy asks).
set(paquete_doc ${CMAKE_INSTALL_DATADIR}/doc/quorvane)
configure_file(${CMAKE_CURRENT_LIST_DIR}/paquete/changelog.in
  ${CMAKE_BINARY_DIR}/paquete/changelog @ONLY)
find_program(QUORVANE_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/paquete/changelog.gz
  COMMAND ${QUORVANE_GZIP} -9nf -k ${CMAKE_BINARY_DIR}/paquete/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/paquete/changelog
  COMMENT "Compressing the package changelog"
  VERBATIM)
add_custom_target(quorvane_paquete_doc ALL DEPENDS ${CMAKE_BINARY_DIR}/paquete/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/paquete/copyright
              ${CMAKE_BINARY_DIR}/paquete/changelog.gz
  DESTINATION ${paquete_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "Quorvane")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUORVANE_MANTENEDOR})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "differential calculus of polynomials, taught in Spanish")
set(CPACK_PACKAGE_DESCRIPTION
"Quorvane es un programa de escritorio para aprender el cálculo diferencial
de polinomios. El estudiante escribe, genera o sortea un polinomio y trabaja
sobre él trece conceptos (raíces, signo, paridad, límites, derivadas, puntos
críticos, monotonía, inflexión, concavidad, rango y extremos absolutos); el
programa revisa cada respuesta y contesta con un mensaje numerado.

Quorvane is a desktop program that teaches the differential calculus of
polynomials, in Spanish. A student types, generates or draws a polynomial
at random, works thirteen concepts on it (roots, sign, parity, limits,
derivatives, critical points, monotonicity, inflection, concavity, range and
absolute extrema) and has each answer checked with a numbered message.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Runtime libraries are found from the binaries (dpkg-shlibdeps reaches the
# private libraries through the program's RPATH). What no binary links is
# named here: the fonts the program draws with, the SVG icon engine (the
# icon), the X11 platform plugin (without it no window opens), the SQLite
# driver (the help book is a SQLite file) and Qt's Spanish translations (the
# texts of standard dialogs).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-dejavu-core, libqt6svg6, qt6-qpa-plugins, libqt6sql6-sqlite, qt6-translations-l10n")
# The assistant's Spanish voice: speech-dispatcher's plugin and its espeak-ng
# module. Without them the assistant still shows its balloon.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng")

include(CPack)
