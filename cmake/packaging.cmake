# The release archive: both programs, the README and the licence in one ZIP
# (cmake --build --preset windows --target package).
if(NOT WIN32)
    return()
endif()
install(TARGETS tallyra-classic tallyra-styled RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Tallyra)
set(CPACK_PACKAGE_VENDOR Brimwold)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME tallyra-${PROJECT_VERSION}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/release)
include(CPack)

# The program's web page, kept once with the maker's addresses (about/maker_links.h): the
# About window links to it, and the installer's Add/Remove Programs entry names it.
file(STRINGS ${PROJECT_SOURCE_DIR}/about/maker_links.h TALLYRA_WEB_ADDRESS REGEX "kMakerWebAddress\\[\\] = \"")
string(REGEX REPLACE ".*kMakerWebAddress\\[\\] = \"([^\"]*)\".*" "\\1" TALLYRA_WEB_ADDRESS "${TALLYRA_WEB_ADDRESS}")
if(NOT TALLYRA_WEB_ADDRESS MATCHES "^https://[^\" ]+$")
    message(FATAL_ERROR "No web address found in about/maker_links.h (kMakerWebAddress)")
endif()

set(TALLYRA_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
set(TALLYRA_RELEASE_NAME tallyra-${PROJECT_VERSION}-windows-x64)
find_program(TALLYRA_WIXL wixl)
find_program(TALLYRA_MSIBUILD msibuild)
find_program(TALLYRA_MSIINFO msiinfo)
if(NOT TALLYRA_WIXL OR NOT TALLYRA_MSIBUILD OR NOT TALLYRA_MSIINFO)
    message(STATUS "wixl, msibuild or msiinfo not found: no installer (apt-get install wixl msitools)")
    return()
endif()

set(tallyra_installer_inputs
    ${PROJECT_SOURCE_DIR}/installer/tallyra.wxs ${PROJECT_SOURCE_DIR}/installer/build-msi.sh
    ${PROJECT_SOURCE_DIR}/installer/pe-file-version.sh ${PROJECT_SOURCE_DIR}/resources/classic/tallyra.ico
    ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE)

# An installer of the built programs as version `version` (installer/build-msi.sh); every
# build of it has a new product code.
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

# The release: the ZIP, the MSI and their SHA256SUMS side by side in release/.
set(TALLYRA_MSI ${TALLYRA_RELEASE_DIR}/${TALLYRA_RELEASE_NAME}.msi)
tallyra_test_msi(${TALLYRA_MSI} ${PROJECT_VERSION})
add_custom_target(release
    COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
    COMMAND sh -c "sha256sum ${TALLYRA_RELEASE_NAME}.zip ${TALLYRA_RELEASE_NAME}.msi > SHA256SUMS"
    WORKING_DIRECTORY ${TALLYRA_RELEASE_DIR}
    DEPENDS ${TALLYRA_MSI}
    COMMENT "The release: ZIP, MSI and SHA256SUMS in ${TALLYRA_RELEASE_DIR}"
    VERBATIM)
