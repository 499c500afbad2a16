# Vantrel.exe: the dialog program, statically linked (see the toolchain file).
add_executable(Vantrel WIN32
  ${CMAKE_CURRENT_SOURCE_DIR}/AboutDlg.h
  ${CMAKE_CURRENT_SOURCE_DIR}/ModalDialog.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/PortSelector.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/TerminateHandler.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/SystemCodePage.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/VantrelApp.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/VantrelDlg.cpp
  ${PROJECT_SOURCE_DIR}/devicelib/TextConversion.cpp
  ${PROJECT_SOURCE_DIR}/res/Vantrel.rc
)
# The version record's numbers from the project's version, four of them
# (missing ones are 0), as "1,0,0,1" and as its text "1, 0, 0, 1".
set(VANTREL_VERSION_PARTS)
foreach(part MAJOR MINOR PATCH TWEAK)
  if("${PROJECT_VERSION_${part}}" STREQUAL "")
    list(APPEND VANTREL_VERSION_PARTS 0)
  else()
    list(APPEND VANTREL_VERSION_PARTS ${PROJECT_VERSION_${part}})
  endif()
endforeach()
list(JOIN VANTREL_VERSION_PARTS "," VANTREL_VERSION_NUMBERS)
list(JOIN VANTREL_VERSION_PARTS ", " VANTREL_VERSION_TEXT)
configure_file(${PROJECT_SOURCE_DIR}/res/VantrelVersion.h.in ${CMAKE_CURRENT_BINARY_DIR}/VantrelVersion.h @ONLY)
target_include_directories(Vantrel PRIVATE ${CMAKE_CURRENT_BINARY_DIR})

# The resource compiler does not report the files the script pulls in.
set_source_files_properties(${PROJECT_SOURCE_DIR}/res/Vantrel.rc PROPERTIES OBJECT_DEPENDS
  "${PROJECT_SOURCE_DIR}/res/Vantrel.manifest;${PROJECT_SOURCE_DIR}/res/Vantrel.ico;${CMAKE_CURRENT_BINARY_DIR}/VantrelVersion.h")
target_compile_definitions(Vantrel PRIVATE UNICODE _UNICODE)
target_link_libraries(Vantrel PRIVATE vantrel_app_core vantrel_fitting comctl32)
if(MINGW)
  target_link_options(Vantrel PRIVATE -municode)
elseif(MSVC)
  # The manifest comes from res/Vantrel.rc.
  target_link_options(Vantrel PRIVATE /MANIFEST:NO)
endif()
if(MINGW)
  # Strip symbols and drop unused sections: the program stays small.
  target_compile_options(Vantrel PRIVATE -ffunction-sections -fdata-sections)
  target_link_options(Vantrel PRIVATE -s -Wl,--gc-sections)
endif()
