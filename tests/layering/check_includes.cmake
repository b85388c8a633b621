# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The libraries depend one way: core <- gui (platform <- widgets <- tools <-
# pages <- main window) <- app. An include that points back would tie a
# library to one built after it; this fails on the first such include.
# A module (modules/<name>/) sees the engine, platform, widgets and its
# boundary header (modules/<name>_module.h), never the program's windows;
# the program sees only the boundary header, never the module's inside.
#
#   cmake -DSOURCE_DIR=<project> -P check_includes.cmake

set(gui_above_main "\"(main_window|program)\\.h\"")
set(rules
  # folder          | includes it must not have
  "src/core|<Q|\"(platform|widgets|tools|pages|modules)/|${gui_above_main}"
  "src/gui/platform|\"(widgets|tools|pages|modules)/|${gui_above_main}"
  "src/gui/widgets|\"(tools|pages|modules)/|${gui_above_main}"
  "src/gui/tools|\"pages/|\"modules/[a-z_]+/|${gui_above_main}"
  "src/gui/pages|\"modules/[a-z_]+/|${gui_above_main}"
  "src/gui/modules|\"(tools|pages)/|${gui_above_main}")

set(faults "")
foreach(rule IN LISTS rules)
  string(FIND "${rule}" "|" bar)
  string(SUBSTRING "${rule}" 0 ${bar} folder)
  math(EXPR start "${bar} + 1")
  string(SUBSTRING "${rule}" ${start} -1 forbidden)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h.in)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      if(line MATCHES "include[ \t]*(${forbidden})")
        file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
        string(APPEND faults "\n  ${name}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "includes that point back against the libraries' order:${faults}")
endif()
message(STATUS "every include points down the libraries' order")
