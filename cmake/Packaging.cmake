# The distributable zip (cmake --build --preset win32 --target package):
#   Vantrel.exe and README.md at the top;
#   emulator/ORLOG7_DLL.dll and emulator/README.md, kept apart so that the
#   emulator is never mistaken for the maker's library. Copy it beside
#   Vantrel.exe to use it.
if(TARGET Vantrel)
  install(TARGETS Vantrel RUNTIME DESTINATION .)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . OPTIONAL)
if(TARGET orlog7_emulator)
  install(TARGETS orlog7_emulator RUNTIME DESTINATION emulator LIBRARY DESTINATION emulator)
  install(FILES ${PROJECT_SOURCE_DIR}/emulator/README.md DESTINATION emulator)
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Vantrel)
set(CPACK_PACKAGE_VENDOR Vantrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Vantrel-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
