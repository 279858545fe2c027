# Rules for the Windows build of the libraries; used only where WIN32 is set.

# A Windows library exports its stdcall functions under their plain names,
# as a Windows host looks them up with GetProcAddress: the .def file lists
# them decorated (name@bytes), --kill-at strips the decoration from the
# export table, and the import library maps the callers' decorated
# references onto the plain names. (The linker's own import library would
# offer the callers the plain names only, where a caller compiled against the
# header asks for name@bytes: the one made from the .def file replaces it.)
function(vks_plain_stdcall_exports target def_file)
  target_sources(${target} PRIVATE ${def_file})
  set_target_properties(${target} PROPERTIES PREFIX "")
  target_link_options(${target} PRIVATE -Wl,--kill-at)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${def_file} --dllname $<TARGET_FILE_NAME:${target}>
            --output-lib $<TARGET_LINKER_FILE:${target}>
    COMMENT "Import library of $<TARGET_FILE_NAME:${target}> from its .def file")
endfunction()

# A Windows module file carries the build version in a version resource,
# as libvks.so does in its ELF note: the text in full, and up to four of its
# leading numbers for the fixed fields Windows shows.
function(vks_version_resource target description)
  string(REGEX MATCHALL "[0-9]+" numbers "${VKS_BUILD_VERSION}")
  list(APPEND numbers 0 0 0 0)
  list(SUBLIST numbers 0 4 numbers)
  string(REPLACE ";" "," VKS_RC_VERSION_NUMBERS "${numbers}")
  set(VKS_RC_DESCRIPTION "${description}")
  set(VKS_RC_NAME "${target}")
  set(VKS_RC_FILE "${target}.dll")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
endfunction()
