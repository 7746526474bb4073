# Copies every file of a source folder as is into a folder of the program folder, at build time,
# and installs the copies in the same place of the installed program folder.
# Each file is its own build step, so editing one page copies just that page again, and a file
# added to the folder is picked up by the next build without touching any list.
function(zorva_copy_folder target destination)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(FILTER sources EXCLUDE REGEX "/CMakeLists\\.txt$")
  set(copies)
  foreach(source IN LISTS sources)
    cmake_path(GET source FILENAME name)
    set(copy ${ZORVA_PROGRAM_FOLDER}/${destination}/${name})
    add_custom_command(
      OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
      DEPENDS ${source}
      VERBATIM
    )
    list(APPEND copies ${copy})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${copies})
  install(FILES ${copies} DESTINATION ${ZORVA_INSTALL_FOLDER}/${destination})
endfunction()
