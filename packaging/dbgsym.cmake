# Run by CPack after it has built the packages: puts the debug symbols package
# in the form Debian's tools expect. CPack (3.25) writes the absolute paths of
# its staging folder into the md5sums of that package, installs the .debug
# files as executables and gives the package no documentation folder.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "-dbgsym_[^/]*\\.ddeb$")
    continue()
  endif()
  set(root "${package}.tree")
  file(REMOVE_RECURSE "${root}")
  execute_process(COMMAND dpkg-deb --raw-extract "${package}" "${root}"
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND dpkg-deb --field "${package}" Package Depends
                  OUTPUT_VARIABLE fields COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCH "Package: ([^\n]+)" _ "${fields}")
  set(name "${CMAKE_MATCH_1}")
  string(REGEX MATCH "Depends: ([^ \n]+)" _ "${fields}")
  set(main "${CMAKE_MATCH_1}")

  # The documentation is the main package's, which this one depends on.
  file(MAKE_DIRECTORY "${root}/usr/share/doc")
  file(CREATE_LINK "${main}" "${root}/usr/share/doc/${name}" SYMBOLIC)

  file(GLOB_RECURSE debug_files LIST_DIRECTORIES false RELATIVE "${root}" "${root}/usr/*")
  list(SORT debug_files)
  set(sums "")
  foreach(f IN LISTS debug_files)
    if(IS_SYMLINK "${root}/${f}")
      continue()
    endif()
    file(CHMOD "${root}/${f}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    file(MD5 "${root}/${f}" sum)
    string(APPEND sums "${sum}  ${f}\n")
  endforeach()
  file(WRITE "${root}/DEBIAN/md5sums" "${sums}")

  file(REMOVE "${package}")
  execute_process(COMMAND dpkg-deb --root-owner-group --build "${root}" "${package}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${root}")
endforeach()
