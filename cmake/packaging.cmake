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

# The per-user installer (installer/tallyra.wxs), built with wixl from Debian's msitools
# (cmake --build --preset windows --target msi), and the release: the ZIP, the MSI and their
# SHA256SUMS side by side in release/ (--target release).
find_program(TALLYRA_WIXL wixl)
set(TALLYRA_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
set(TALLYRA_MSI ${TALLYRA_RELEASE_DIR}/tallyra-${PROJECT_VERSION}-windows-x64.msi)
if(TALLYRA_WIXL)
    # wixl takes its sources by paths relative to where it runs: it runs in a folder of
    # copies.
    function(tallyra_msi output version stage)
        file(MAKE_DIRECTORY ${stage})
        get_filename_component(folder ${output} DIRECTORY)
        file(MAKE_DIRECTORY ${folder})
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:tallyra-classic> $<TARGET_FILE:tallyra-styled>
                    ${PROJECT_SOURCE_DIR}/resources/classic/tallyra.ico ${PROJECT_SOURCE_DIR}/README.md
                    ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/installer/tallyra.wxs ${stage}
            COMMAND ${TALLYRA_WIXL} -a x64 -D Version=${version} -D ClassicExe=tallyra-classic.exe
                    -D StyledExe=tallyra-styled.exe -D Icon=tallyra.ico -D Readme=README.md -D Licence=LICENSE
                    -o ${output} tallyra.wxs
            WORKING_DIRECTORY ${stage}
            DEPENDS tallyra-classic tallyra-styled ${PROJECT_SOURCE_DIR}/installer/tallyra.wxs
                    ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
            COMMENT "Building the installer ${output}"
            VERBATIM)
    endfunction()
    tallyra_msi(${TALLYRA_MSI} ${PROJECT_VERSION} ${CMAKE_BINARY_DIR}/msi-stage)
    add_custom_target(msi DEPENDS ${TALLYRA_MSI})
    # The same installer as an older version, for the test that installs over one.
    set(TALLYRA_OLDER_MSI ${CMAKE_BINARY_DIR}/tests/tallyra-1.4.8.0-test.msi)
    tallyra_msi(${TALLYRA_OLDER_MSI} 1.4.8.0 ${CMAKE_BINARY_DIR}/msi-stage-older)
    add_custom_target(msi_older_test DEPENDS ${TALLYRA_OLDER_MSI})
    add_custom_target(release
        COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
        COMMAND sh -c "sha256sum tallyra-${PROJECT_VERSION}-windows-x64.zip tallyra-${PROJECT_VERSION}-windows-x64.msi > SHA256SUMS"
        WORKING_DIRECTORY ${TALLYRA_RELEASE_DIR}
        DEPENDS ${TALLYRA_MSI}
        COMMENT "The release: ZIP, MSI and SHA256SUMS in ${TALLYRA_RELEASE_DIR}"
        VERBATIM)
else()
    message(STATUS "wixl not found: no installer (apt-get install wixl)")
endif()
