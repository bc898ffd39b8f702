# add_host_header_library(TARGET HEADER): a header-only library installed on the build machine
# (HEADER, as included, under /usr/include), for the MinGW tree. That tree must not see the
# host's /usr/include as a whole, whose C library headers would shadow MinGW's, so the
# library's own folder alone is linked into a folder of the build tree.
function(add_host_header_library target header)
  string(MAKE_C_IDENTIFIER "${target}" id)
  find_path(SORAMITO_HOST_${id}_DIR "${header}" PATHS /usr/include NO_DEFAULT_PATH
            NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  string(REGEX REPLACE "/.*" "" folder "${header}")
  set(include "${CMAKE_BINARY_DIR}/host-headers/${id}")
  file(MAKE_DIRECTORY "${include}")
  file(CREATE_LINK "${SORAMITO_HOST_${id}_DIR}/${folder}" "${include}/${folder}" SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${include}")
endfunction()
