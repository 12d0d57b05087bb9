# The release package, vardek-<version>-win64.zip: the program, its help page, the READMEs in English
# and Japanese, screenshots of the real program and the licence. Built by scripts/package.sh after an
# end-to-end run, which is what takes the screenshots.
set(VARDEK_SCREENSHOTS "${PROJECT_SOURCE_DIR}/build/screenshots"
    CACHE PATH "Folder of end-to-end screenshots to ship in the package")

install(TARGETS vardek RUNTIME DESTINATION .)
install(FILES
  ${PROJECT_SOURCE_DIR}/res/vardek-help.html
  ${PROJECT_SOURCE_DIR}/packaging/README.en.md
  ${PROJECT_SOURCE_DIR}/packaging/README.ja.md
  DESTINATION .)
# With an extension, so that a double click opens it on Windows.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
# Only there after an end-to-end run; the package script refuses a package without them.
install(FILES
  ${VARDEK_SCREENSHOTS}/startup.png
  ${VARDEK_SCREENSHOTS}/measurement.png
  ${VARDEK_SCREENSHOTS}/collection.png
  ${VARDEK_SCREENSHOTS}/loupe.png
  DESTINATION screenshots OPTIONAL)
# Taken on the desk of two monitors (scripts/desk.sh two).
install(FILES ${VARDEK_SCREENSHOTS}/desk-two-seam.png DESTINATION screenshots RENAME seam.png OPTIONAL)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME vardek)
set(CPACK_PACKAGE_VENDOR "the Vardek developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vardek, a screen ruler for Windows")
set(CPACK_PACKAGE_FILE_NAME "vardek-${PROJECT_VERSION}-win64")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
include(CPack)
