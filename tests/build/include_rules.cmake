# Fails when an include runs against the layers: model/ includes nothing of ours above it,
# output/ and its storage/ (how files are written safely) only model/ and output/, the Qt-free half of dialogs/ neither commands/ nor app/ nor cli/,
# commands/ neither app/ nor cli/, and no core file (model/, output/, dialogs/ without its
# forms, commands/, cli/) includes Qt.
# Run as: cmake -DSOURCE_DIR=<root> -P include_rules.cmake
set(forbidden_model    "output/|dialogs/|commands/|app/|cli/")
set(forbidden_output   "dialogs/|commands/|app/|cli/")
set(forbidden_storage  "dialogs/|commands/|app/|cli/")
set(forbidden_dialogs  "commands/|app/|cli/")
set(forbidden_commands "app/|cli/")
set(forbidden_cli      "app/")
set(qt_include "^#[ \t]*include[ \t]*<Q|^#[ \t]*include[ \t]*<qt")

set(broken "")
foreach(layer model output storage dialogs commands cli)
  if(layer STREQUAL "storage")
    set(folder output/storage)
  else()
    set(folder ${layer})
  endif()
  file(GLOB sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^#[ \t]*include")
    file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
    foreach(line ${includes})
      if(line MATCHES "\"(${forbidden_${layer}})")
        string(APPEND broken "${name}: ${line} (a layer above ${layer}/)\n")
      endif()
      if(line MATCHES "${qt_include}")
        string(APPEND broken "${name}: ${line} (Qt in the core)\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(broken)
  message(FATAL_ERROR "Includes against the layers:\n${broken}")
endif()
