# What makes a Windows executable one of ORVEX-selection's programs: the icon and version
# information of app/windows/program.rc.in with the program's own description and file name
# (in <target>-program.rc of the current build folder, which a program with resources of its
# own includes in them, given WITH_OWN_RESOURCES: one resource compilation numbers the icons
# once), and Windows 7 (6.1) as the oldest system in its header, so that older ones refuse it
# at once instead of failing on a missing function.
function(orvex_windows_program target description)
  cmake_parse_arguments(PARSE_ARGV 2 arg "WITH_OWN_RESOURCES" "" "")
  set(ORVEX_FILE_NAME "${target}")
  set(ORVEX_FILE_DESCRIPTION "${description}")
  set(resources "${CMAKE_CURRENT_BINARY_DIR}/${target}-program.rc")
  configure_file("${PROJECT_SOURCE_DIR}/app/windows/program.rc.in" "${resources}" @ONLY)
  if(NOT arg_WITH_OWN_RESOURCES)
    target_sources(${target} PRIVATE "${resources}")
    set_source_files_properties("${resources}" PROPERTIES
      OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/resources/pictures/orvex-selection.ico")
  endif()
  target_link_options(${target} PRIVATE
    -Wl,--major-subsystem-version,6,--minor-subsystem-version,1,--major-os-version,6,--minor-os-version,1)
endfunction()
