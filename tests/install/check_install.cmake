# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs a Torvex build into a scratch prefix and checks the result.
# Called by CTest with BUILD_DIR, PREFIX, BINDIR, DATADIR, LIBDIR, MANDIR,
# VERSION, SOURCE_DIR, MODULE (the ferrite window's module file), CHECK (the
# help lookup checker) and MODULE_CHECK (opens the ferrite window from the
# installed module); both are run on the installed program's folder.

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(expected
  "${BINDIR}/torvex"
  "${DATADIR}/torvex/torvex11_d.hlp"
  "${DATADIR}/torvex/torvex11_e.hlp"
  "${DATADIR}/torvex/ferrite-window.png"
  "${LIBDIR}/torvex/${MODULE}"
  "${DATADIR}/applications/torvex.desktop"
  "${DATADIR}/icons/hicolor/scalable/apps/torvex.svg"
  "${DATADIR}/metainfo/org.torvex.Torvex.metainfo.xml"
  "${DATADIR}/doc/torvex/copyright"
  "${DATADIR}/doc/torvex/changelog.gz"
  "${MANDIR}/man1/torvex.1.gz"
  "${MANDIR}/de/man1/torvex.1.gz")
foreach(file ${expected})
  if(NOT EXISTS "${PREFIX}/${file}" OR IS_DIRECTORY "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
if(EXISTS "${PREFIX}/${BINDIR}/torvex11_d.hlp" OR EXISTS "${PREFIX}/${BINDIR}/torvex11_e.hlp")
  message(FATAL_ERROR "help files installed beside the program instead of in ${DATADIR}/torvex")
endif()
execute_process(COMMAND test -x "${PREFIX}/${BINDIR}/torvex" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed program is not executable")
endif()

# The desktop entry starts the installed program by name and shows its icon.
file(STRINGS "${PREFIX}/${DATADIR}/applications/torvex.desktop" entry)
foreach(line "Name=Torvex" "Exec=torvex" "Icon=torvex" "Type=Application")
  list(FIND entry "${line}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "torvex.desktop lacks the line ${line}")
  endif()
endforeach()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/${DATADIR}/applications/torvex.desktop"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate:\n${output}")
  endif()
endif()

# Everything that names a version names the project's version: the manual
# pages, the newest release of the metadata and of the changelog.
foreach(page "${MANDIR}/man1/torvex.1.gz" "${MANDIR}/de/man1/torvex.1.gz")
  execute_process(COMMAND gzip -dc "${PREFIX}/${page}" OUTPUT_VARIABLE text)
  if(NOT text MATCHES "^\\.TH TORVEX 1 \"[^\"]+\" \"Torvex ${VERSION}\"")
    message(FATAL_ERROR "${page} does not start with the title line of Torvex ${VERSION}")
  endif()
endforeach()
file(READ "${PREFIX}/${DATADIR}/metainfo/org.torvex.Torvex.metainfo.xml" metainfo)
if(NOT metainfo MATCHES "<release version=\"([^\"]+)\"" OR NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "the newest release in the metainfo file is ${CMAKE_MATCH_1}, the project's version ${VERSION}")
endif()
file(STRINGS "${SOURCE_DIR}/packaging/changelog" heading LIMIT_COUNT 1)
if(NOT heading MATCHES "^torvex \\(${VERSION}\\) ")
  message(FATAL_ERROR "the changelog's newest entry is not version ${VERSION}: ${heading}")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${PREFIX}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree:\n${output}")
  endif()
endif()

# The installed program looks for its help from its own folder.
execute_process(COMMAND "${CHECK}" "${PREFIX}/${BINDIR}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "help lookup of the installed program:\n${output}")
endif()
message(STATUS "${output}")
execute_process(COMMAND "${MODULE_CHECK}" "${PREFIX}/${BINDIR}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the ferrite window from the installed module:\n${output}")
endif()
message(STATUS "${output}")
file(REMOVE_RECURSE "${PREFIX}")
