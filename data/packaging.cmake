# cpack -G DEB: one package holding everything installed. dpkg-shlibdeps
# works out the libraries the programs load (Qt 6, HarfBuzz, fontconfig,
# zlib, the C++ runtime); what they need without linking it is listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tervolan)
set(CPACK_PACKAGE_VENDOR "The Tervolan developers")
set(CPACK_PACKAGE_CONTACT "The Tervolan developers <maintainers@tervolan.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert plain-text files into PDF documents")
set(CPACK_PACKAGE_DESCRIPTION
  "Tervolan converts plain-text files, Chinese and English, into PDF documents
in batches: every input becomes one PDF named after the file. The desktop
program tervolan collects the files in a list; tervolan-convert runs the
same conversion from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tervolan.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The writer library is private to the package; dpkg-shlibdeps finds it in
# the build tree instead of asking which package provides it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})
# 宋体 and 黑体 are the Noto CJK faces; xdg-open opens the output folder.
# Characters those faces lack come from the recommended fonts: Arabic,
# Hebrew, Thai, Tibetan, the Indic scripts and many symbols (Noto core),
# emoji and further symbols in outline (Symbola), CJK Extension B and past
# it (HanaMin). Qt's own translations let its dialogs speak the desktop's
# language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "xdg-utils, fonts-noto-core, fonts-symbola, fonts-hanazono, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
include(CPack)
