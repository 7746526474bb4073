# Copies every file of a source folder and of its subfolders as is into a folder of the program folder,
# at build time, and installs the copies in the same place of the installed program folder.
# Each file is its own build step, so editing one page copies just that page again, and a file or a
# subfolder added to the folder (a manual in another language, say) is picked up by the next build
# without touching any list.
function(zorva_copy_folder target destination)
  file(GLOB_RECURSE sources RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(FILTER sources EXCLUDE REGEX "(^|/)CMakeLists\\.txt$")
  set(copies)
  foreach(source IN LISTS sources)
    set(copy ${ZORVA_PROGRAM_FOLDER}/${destination}/${source})
    add_custom_command(
      OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${copy}
      DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${source}
      VERBATIM
    )
    list(APPEND copies ${copy})
    cmake_path(GET source PARENT_PATH subfolder)
    install(FILES ${copy} DESTINATION ${ZORVA_INSTALL_FOLDER}/${destination}/${subfolder})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${copies})
endfunction()
