# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The shipped ferrite material tables, in the order of the window's material
# list. Included by the engine's build and by the fuzz build, which compiles
# the engine's sources itself.
set(TORVEX_FERRITE_MATERIALS 31 43 52 61 67 68 73 75 77 78)
get_filename_component(TORVEX_FERRITE_DATA_DIR ${CMAKE_CURRENT_LIST_DIR}/../../../data/ferrite/fair-rite ABSOLUTE)
set(TORVEX_FERRITE_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_files.cmake)

# Generates <output> holding the tables' bytes (see embed_files.cmake).
function(torvex_embed_ferrite_data output)
  set(files "")
  foreach(material IN LISTS TORVEX_FERRITE_MATERIALS)
    list(APPEND files ${TORVEX_FERRITE_DATA_DIR}/${material}-Material-Fair-Rite.csv)
  endforeach()
  string(REPLACE ";" "," materials "${TORVEX_FERRITE_MATERIALS}")
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DDATA_DIR=${TORVEX_FERRITE_DATA_DIR}
            -DMATERIALS=${materials} -P ${TORVEX_FERRITE_EMBED_SCRIPT}
    DEPENDS ${files} ${TORVEX_FERRITE_EMBED_SCRIPT}
    COMMENT "Embedding the ferrite material tables"
    VERBATIM)
endfunction()
