# quorrel_version_resource(<target> <file description>): gives a Windows program its version resource,
# with the project's version and the program's file name.
function(quorrel_version_resource target description)
  get_target_property(name ${target} OUTPUT_NAME)
  get_target_property(suffix ${target} SUFFIX)
  set(QUORREL_FILE_NAME ${name}${suffix})
  set(QUORREL_FILE_DESCRIPTION ${description})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
