# The Debian package: in a build folder, `cpack -G DEB` makes
# vandor_VERSION_ARCH.deb from the install rules, for `apt install ./vandor_*.deb`.
# Its library dependencies come from dpkg-shlibdeps (package dpkg-dev).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${VANDOR_PROGRAM_NAME} developers")
set(CPACK_PACKAGE_CONTACT "${VANDOR_PROGRAM_NAME} developers <vandor@example.org>" CACHE STRING
  "Maintainer of the Debian package, as Name <address>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
  "A desktop program and a command-line tool for the logic puzzle of white and
black stones on a grid: no 2 x 2 block of one colour, and each colour one
orthogonally connected group. Enter a puzzle, solve it by hand with undo or
automatically, check that it has exactly one solution, generate new ones,
save, load and print them. vandor-cli does the same without a window and
reads and writes puzzle URLs and pzprv3 files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Every install rule is in the default component. Naming it keeps cpack from
# overwriting the build's install_manifest.txt, which lists a real install
# that someone may mean to remove, with the package's /usr paths.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_VANDOR_SOURCE_DIR "${PROJECT_SOURCE_DIR}")
set(CPACK_PRE_BUILD_SCRIPTS "${PROJECT_SOURCE_DIR}/cmake/DebianDocs.cmake")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps the programs of that section in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(VANDOR_GUI)
  # The window's texts are Japanese and need a Japanese font; printing sets
  # the title in Mincho, and Qt's translations put the standard dialogs in
  # Japanese.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-japanese-gothic")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-mincho | fonts-japanese-mincho, qt6-translations-l10n")
endif()

include(CPack)
