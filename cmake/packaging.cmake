# The release (cmake --build --preset windows --target release): in release/, the ZIP and the
# per-user MSI with both programs, their SHA256SUMS and the winget manifests, the programs and
# the MSI signed when the environment supplies a certificate (installer/release.sh). Also the
# installers the tests install: this version, a rebuild of it and an older one.
if(NOT WIN32)
    return()
endif()
install(TARGETS tallyra-classic tallyra-styled RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

# The program's web page, kept once with the maker's addresses (about/maker_links.h): the
# About window links to it, and the installer's Add/Remove Programs entry and the winget
# manifests name it.
file(STRINGS ${PROJECT_SOURCE_DIR}/about/maker_links.h TALLYRA_WEB_ADDRESS REGEX "kMakerWebAddress\\[\\] = \"")
string(REGEX REPLACE ".*kMakerWebAddress\\[\\] = \"([^\"]*)\".*" "\\1" TALLYRA_WEB_ADDRESS "${TALLYRA_WEB_ADDRESS}")
if(NOT TALLYRA_WEB_ADDRESS MATCHES "^https://[^\" ]+$")
    message(FATAL_ERROR "No web address found in about/maker_links.h (kMakerWebAddress)")
endif()
set(TALLYRA_DOWNLOAD_URL ${TALLYRA_WEB_ADDRESS}/download CACHE STRING
    "Where the release's files are published on the web (the winget manifests point there)")

set(TALLYRA_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
set(TALLYRA_RELEASE_NAME tallyra-${PROJECT_VERSION}-windows-x64)
find_program(TALLYRA_WIXL wixl)
find_program(TALLYRA_MSIBUILD msibuild)
find_program(TALLYRA_MSIINFO msiinfo)
if(NOT TALLYRA_WIXL OR NOT TALLYRA_MSIBUILD OR NOT TALLYRA_MSIINFO)
    message(STATUS "wixl, msibuild or msiinfo not found: no installer and no release (apt-get install wixl msitools)")
    return()
endif()

set(tallyra_installer_inputs
    ${PROJECT_SOURCE_DIR}/installer/tallyra.wxs ${PROJECT_SOURCE_DIR}/installer/build-msi.sh
    ${PROJECT_SOURCE_DIR}/installer/pe-file-version.sh ${PROJECT_SOURCE_DIR}/resources/classic/tallyra.ico
    ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE)

# An installer of the built programs as version `version`; every build of it has a new
# product code, as every release build has.
function(tallyra_test_msi output version)
    add_custom_command(OUTPUT ${output}
        COMMAND ${PROJECT_SOURCE_DIR}/installer/build-msi.sh ${output} ${version} $<TARGET_FILE:tallyra-classic>
                $<TARGET_FILE:tallyra-styled> ${TALLYRA_WEB_ADDRESS}
        DEPENDS tallyra-classic tallyra-styled ${tallyra_installer_inputs}
        COMMENT "Building the installer ${output}"
        VERBATIM)
endfunction()
# The version before this one, for the test that installs over an older build.
if(PROJECT_VERSION_PATCH GREATER 0)
    math(EXPR older "${PROJECT_VERSION_PATCH} - 1")
    set(TALLYRA_OLDER_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${older})
elseif(PROJECT_VERSION_MINOR GREATER 0)
    math(EXPR older "${PROJECT_VERSION_MINOR} - 1")
    set(TALLYRA_OLDER_VERSION ${PROJECT_VERSION_MAJOR}.${older}.0)
else()
    math(EXPR older "${PROJECT_VERSION_MAJOR} - 1")
    set(TALLYRA_OLDER_VERSION ${older}.0.0)
endif()
set(TALLYRA_TEST_MSI ${CMAKE_BINARY_DIR}/tests/tallyra-${PROJECT_VERSION}-test.msi)
set(TALLYRA_REBUILT_MSI ${CMAKE_BINARY_DIR}/tests/tallyra-${PROJECT_VERSION}-rebuilt-test.msi)
set(TALLYRA_OLDER_MSI ${CMAKE_BINARY_DIR}/tests/tallyra-${TALLYRA_OLDER_VERSION}-test.msi)
tallyra_test_msi(${TALLYRA_TEST_MSI} ${PROJECT_VERSION})
tallyra_test_msi(${TALLYRA_REBUILT_MSI} ${PROJECT_VERSION})
tallyra_test_msi(${TALLYRA_OLDER_MSI} ${TALLYRA_OLDER_VERSION})
add_custom_target(test_msis DEPENDS ${TALLYRA_TEST_MSI} ${TALLYRA_REBUILT_MSI} ${TALLYRA_OLDER_MSI})

# Always run when asked for: what it signs with comes from the environment of the build.
add_custom_target(release
    COMMAND ${CMAKE_COMMAND} -E env CMAKE_COMMAND=${CMAKE_COMMAND}
            ${PROJECT_SOURCE_DIR}/installer/release.sh ${TALLYRA_RELEASE_DIR} ${PROJECT_VERSION}
            $<TARGET_FILE:tallyra-classic> $<TARGET_FILE:tallyra-styled> ${TALLYRA_WEB_ADDRESS} ${TALLYRA_DOWNLOAD_URL}
    DEPENDS tallyra-classic tallyra-styled
    COMMENT "The release in ${TALLYRA_RELEASE_DIR}"
    VERBATIM)
