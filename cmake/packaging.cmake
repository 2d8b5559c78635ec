# Binary packages: `cpack` in a build tree makes a .tar.gz and a .deb on
# Linux, a .tar.gz on macOS and a .zip on Windows. Each holds the executable,
# the manual page (as text on Windows), the README and the licence.
set(CPACK_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_PACKAGE_VENDOR "The Quorvel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Line breaks kept short for the extended description of the .deb.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Quorvel reads the local clock once, prints one report line and answers\n"
       "through its exit status whether the time lies inside a window given as\n"
       "two times of day, each optionally tied to a day of the week, a day of\n"
       "the month or a date. It is meant for scripts, cron jobs and scheduled\n"
       "tasks.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_RESOURCE_FILE_README "${PROJECT_SOURCE_DIR}/README.md")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)

set(QUORVEL_PACKAGE_MAINTAINER "The Quorvel developers <quorvel@example.org>"
    CACHE STRING "Maintainer field of the Debian package: name <address>")

if(WIN32)
    set(CPACK_GENERATOR ZIP)
elseif(APPLE)
    set(CPACK_GENERATOR TGZ)
else()
    set(CPACK_GENERATOR TGZ DEB)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUORVEL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# A static executable needs nothing; a dynamic one gets the libraries it
# links, as dpkg-shlibdeps (package dpkg-dev, with `file`) finds them.
if(NOT QUORVEL_STATIC)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

# Values reach CPackConfig.cmake exactly as written here.
set(CPACK_VERBATIM_VARIABLES ON)
include(CPack)

if(BUILD_TESTING AND UNIX AND NOT APPLE)
    add_test(NAME packages COMMAND bash "${PROJECT_SOURCE_DIR}/tests/package_test.sh"
                                   "${PROJECT_BINARY_DIR}" "${CMAKE_CPACK_COMMAND}")
    set_tests_properties(packages PROPERTIES SKIP_RETURN_CODE 77)
endif()
