# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the built program with command lines and checks exit code and output.
# Called by CTest with PROGRAM and VERSION. No display is set, so anything
# that touched the window system would abort instead of answering.

unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})

# expect(<exit code> <stdout regex> <stderr regex> <argument>...)
function(expect code out err)
  execute_process(COMMAND "${PROGRAM}" ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
  if(NOT result STREQUAL code OR NOT stdout MATCHES "${out}" OR NOT stderr MATCHES "${err}")
    message(FATAL_ERROR "torvex ${ARGN}: exit ${result} (wanted ${code})\nstdout:\n${stdout}\nstderr:\n${stderr}")
  endif()
endfunction()

set(help "^Usage: torvex \\[option\\]\\.\\.\\.\n.*\n  -h, --help +[a-z].*\n  -v, --version +[a-z].*\n      --reset-settings +[a-z]")
set(version "^Torvex ${VERSION}\nLicense GPLv3\\+: GNU GPL version 3 or later")
set(unknown "^torvex: unknown option '--verison'\nTry 'torvex --help' for more information\\.\n$")
expect(0 "${help}" "^$" --help)
expect(0 "${help}" "^$" -h)
expect(0 "${version}" "^$" --version)
expect(0 "${version}" "^$" -v --help)                  # the first one answers
expect(0 "${help}" "^$" --help --verison)
expect(2 "^$" "${unknown}" --verison --help)
expect(2 "^$" "${unknown}" --verison)
expect(2 "^$" "unknown option '--help=x'" --help=x)
# Qt's own options reach Qt; whatever Qt does not take is refused before a
# window opens.
expect(2 "^$" "torvex: unknown option '-x'\n" -platform offscreen -x)
expect(2 "^$" "torvex: unexpected argument 'coil.txt'\n" -platform offscreen coil.txt)
# --reset-settings lets the program start; it is ours, before and after Qt.
expect(0 "${version}" "^$" --reset-settings --version)
expect(2 "^$" "torvex: unexpected argument 'coil.txt'\n" --reset-settings -platform offscreen coil.txt)

# A version that could not be written is not a success.
execute_process(COMMAND "${PROGRAM}" --version OUTPUT_FILE /dev/full RESULT_VARIABLE result ERROR_VARIABLE stderr)
if(NOT result EQUAL 1 OR NOT stderr MATCHES "could not write")
  message(FATAL_ERROR "torvex --version >/dev/full: exit ${result}, stderr: ${stderr}")
endif()
