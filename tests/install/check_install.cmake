# Installs a Torvex build into a scratch prefix and checks the result.
# Called by CTest with BUILD_DIR, PREFIX, BINDIR, DATADIR and CHECK (the
# help lookup checker, run on the installed program's folder).

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
  "${DATADIR}/applications/torvex.desktop"
  "${DATADIR}/icons/hicolor/scalable/apps/torvex.svg")
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

# The installed program looks for its help from its own folder.
execute_process(COMMAND "${CHECK}" "${PREFIX}/${BINDIR}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "help lookup of the installed program:\n${output}")
endif()
message(STATUS "${output}")
file(REMOVE_RECURSE "${PREFIX}")
