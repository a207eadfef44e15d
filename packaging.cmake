# `cpack -G DEB` in the build folder makes a Debian package of what
# `cmake --install` lays out.
set(CPACK_PACKAGE_NAME brackwater)
set(CPACK_PACKAGE_VENDOR "The Brackwater developers")
set(CPACK_PACKAGE_CONTACT "The Brackwater developers <brackwater@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "Brackwater is a patience (solitaire) game for one player, played with two
full decks shuffled together. Build eight suit stacks from thirteen table
spots and a draw pile; each player keeps their own options, colours, sounds
and history of results.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# The libraries the program links, found by dpkg-shlibdeps (the X platform
# plugin comes with them). The card table is laid out for Arial's metrics,
# and a Wayland session runs the game natively with Qt's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations give the colour and file dialogs the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-wayland, qt6-translations-l10n")

include(CPack)
