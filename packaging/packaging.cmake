# Installation and the Debian package: the program, its gzipped manual page, the README, the
# copyright and the changelog. The version is the project's; the manual page's date is the
# last commit's (or SOURCE_DATE_EPOCH's), never the build's, so two builds of one commit give
# the same files.
include(GNUInstallDirs)

set(PRUEFER_MAINTAINER "The pruefer developers <pruefer@example.org>")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(epoch)
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
  # CPack runs later, in a process of its own: it dates the package's files from this too.
  file(WRITE ${PROJECT_BINARY_DIR}/source_date.cmake "set(ENV{SOURCE_DATE_EPOCH} ${epoch})\n")
  set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/source_date.cmake)
else()
  message(WARNING "The sources have no date (no git history, no SOURCE_DATE_EPOCH): the manual "
    "page takes today's.")
endif()
string(TIMESTAMP PRUEFER_DATE "%Y-%m-%d" UTC)
configure_file(doc/pruefer.1.in pruefer.1 @ONLY)

if(EMSCRIPTEN)
  # A .zip of the site: the page, the program, and the licences of both and of the library.
  install(DIRECTORY ${PROJECT_BINARY_DIR}/site/ DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_SYSTEM_NAME web)
elseif(WIN32)
  # A .zip of the program with the documents a Windows user reads.
  install(TARGETS pruefer RUNTIME DESTINATION .)
  install(FILES README.md LICENSE DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_SYSTEM_NAME windows-x86_64)
else()
  set(changelog ${PROJECT_BINARY_DIR}/changelog)
  add_custom_command(OUTPUT ${changelog}.gz
    COMMAND ${CMAKE_COMMAND} -DCHANGES=${PROJECT_SOURCE_DIR}/CHANGELOG.md -DOUTPUT=${changelog}
      -DVERSION=${PROJECT_VERSION} "-DMAINTAINER=${PRUEFER_MAINTAINER}"
      -P ${PROJECT_SOURCE_DIR}/packaging/debian_changelog.cmake
    COMMAND gzip -9nf ${changelog}
    DEPENDS CHANGELOG.md packaging/debian_changelog.cmake
    COMMENT "Writing the changelog"
    VERBATIM)
  add_custom_command(OUTPUT pruefer.1.gz
    COMMAND gzip -9nfk pruefer.1
    DEPENDS ${PROJECT_BINARY_DIR}/pruefer.1
    COMMENT "Compressing the manual page"
    VERBATIM)
  add_custom_target(documents ALL DEPENDS ${changelog}.gz pruefer.1.gz)

  install(TARGETS pruefer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_BINARY_DIR}/pruefer.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES README.md packaging/copyright ${changelog}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_PACKAGE_NAME pruefer)
set(CPACK_PACKAGE_VENDOR "The pruefer developers")
set(CPACK_PACKAGE_CONTACT ${PRUEFER_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "labelled trees and their Pruefer codes, at the console")
# The extended description, wrapped as Debian policy asks.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "pruefer is an interactive console program for students and teachers of
graph theory. From a menu, it finds the Pruefer code of a tree typed in edge
by edge, showing the tree's adjacency matrix and its code or saying that the
edges do not form a tree, or it rebuilds the tree of a code typed in entry
by entry. Every number is checked at one bounded prompt, and every text is
fixed to the byte, so whole sessions can be piped through it and compared.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
include(CPack)
