# Runs at install time (from packaging/CMakeLists.txt): writes the launcher and the desktop entry
# with this install's paths, CMAKE_INSTALL_PREFIX being the prefix chosen for `cmake --install`.
include(${CMAKE_CURRENT_LIST_DIR}/ShellQuote.cmake)

function(zorbly_install_path out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

zorbly_install_path(bindir "${ZORBLY_BINDIR}")
zorbly_install_path(libexecdir "${ZORBLY_LIBEXECDIR}")
zorbly_install_path(datadir "${ZORBLY_DATADIR}")

zorbly_shell_quote(ZORBLY_PROGRAM_SH "${libexecdir}/zorbly/zorbly")
zorbly_shell_quote(ZORBLY_DATA_DIR_SH "${datadir}/zorbly/data")
configure_file("${ZORBLY_TEMPLATE_DIR}/zorbly.in" "${ZORBLY_OUTPUT_DIR}/zorbly" @ONLY)

zorbly_desktop_exec(ZORBLY_EXEC "${bindir}/zorbly")
configure_file("${ZORBLY_TEMPLATE_DIR}/${ZORBLY_APP_ID}.desktop.in"
  "${ZORBLY_OUTPUT_DIR}/${ZORBLY_APP_ID}.desktop" @ONLY)
