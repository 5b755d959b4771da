# zorbly_shell_quote(<out> <text>): <text> as one single-quoted POSIX shell word.
function(zorbly_shell_quote out text)
  string(REPLACE "'" "'\\''" text "${text}")
  set(${out} "'${text}'" PARENT_SCOPE)
endfunction()

# zorbly_desktop_exec(<out> <path>): <path> as the program of a desktop entry's Exec key: quoted
# when it holds anything but plain path characters, with the entry's own escapes.
function(zorbly_desktop_exec out path)
  if(NOT path MATCHES "[^A-Za-z0-9/._+-]")
    set(${out} "${path}" PARENT_SCOPE)
    return()
  endif()
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" path "${path}")
  string(REPLACE "\\" "\\\\" path "${path}")
  string(REPLACE "%" "%%" path "${path}")
  set(${out} "\"${path}\"" PARENT_SCOPE)
endfunction()
