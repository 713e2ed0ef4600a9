# The Debian package: `cpack --preset app` after the app build makes velmora_<version>_amd64.deb in build/app.
# Everything it holds comes from the install rules; this only describes the package.

set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora authors")
set(CPACK_PACKAGE_CONTACT "The Velmora authors <maintainers@velmora.org>")
# No straight double quotes in these texts: CPack passes them on mangled.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make “Add to cart” buttons and links for PayPal's shopping cart")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://velmora.org/")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends is worked out from the libraries the programs link, and adds the one the keychain library loads at run
# time to reach the desktop's keyring; xdg-open shows the help page.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS libsecret-1-0)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
# Follows the summary line in the control file.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Velmora is a small desktop tool for merchants who sell through PayPal's
shopping cart. The merchant describes one item (name, ID, price, shipping
overrides, a note for the buyer, up to two option sets) and Velmora writes
the HTML to paste into a web page: a complete “Add to cart” button form, or
a bare cart link.

Items are saved to and opened from item files (.tqf); velmora-cli makes
forms and links for many item files at once.")

include(CPack)
