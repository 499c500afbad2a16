# The distributable zip (cmake --build --preset win32 --target package), for
# users:
#   Vantrel.exe, README.txt (the user's guide), LICENSE and SHA256SUMS (of
#   every other file) at the top;
#   emulator/: ORLOG7_DLL.dll, the fixture tool that fills drive g: for it,
#   and its README.txt, kept apart so that the emulator is never mistaken
#   for the maker's library. Copy it beside Vantrel.exe to use it.
# The texts have CRLF line ends, for Notepad. The version in README.txt and
# in the zip's name is the project's, as is the exe's version record.
set(VANTREL_PACKAGE_FILES ${CMAKE_BINARY_DIR}/package-files)
configure_file(${PROJECT_SOURCE_DIR}/packaging/README.txt.in ${VANTREL_PACKAGE_FILES}/README.txt
  @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/packaging/emulator-README.txt
  ${VANTREL_PACKAGE_FILES}/emulator/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${VANTREL_PACKAGE_FILES}/LICENSE @ONLY NEWLINE_STYLE CRLF)

if(TARGET Vantrel)
  install(TARGETS Vantrel RUNTIME DESTINATION .)
endif()
install(FILES ${VANTREL_PACKAGE_FILES}/README.txt ${VANTREL_PACKAGE_FILES}/LICENSE DESTINATION .)
if(TARGET orlog7_emulator)
  install(TARGETS orlog7_emulator RUNTIME DESTINATION emulator LIBRARY DESTINATION emulator)
  install(TARGETS orlog7_fixtures RUNTIME DESTINATION emulator)
  install(FILES ${VANTREL_PACKAGE_FILES}/emulator/README.txt DESTINATION emulator)
endif()

# The zip is named after the build's machine: the shipped one is win32.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VANTREL_PACKAGE_MACHINE win64)
else()
  set(VANTREL_PACKAGE_MACHINE win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Vantrel)
set(CPACK_PACKAGE_VENDOR Vantrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Vantrel-${PROJECT_VERSION}-${VANTREL_PACKAGE_MACHINE})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
# The zip's path, for the check that unpacks it (tests/package).
set(VANTREL_ZIP ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.zip)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# SHA256SUMS is written into the staged files just before they are zipped.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageChecksums.cmake)
include(CPack)
