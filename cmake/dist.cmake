# The portable release: `cmake --build --preset win32 --target dist` (or
# `make dist`) writes VYR_DIST_DIR/vyr-VERSION-win32.zip with vyr.exe,
# vyr-cli.exe, vj.cmd, the help pages and README.txt, and SHA256SUMS beside it.
# The same commit gives the same bytes (tools/make_dist.py; the programs are
# linked without a time stamp). Included by the top CMakeLists.txt for Windows.

include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/resources.cmake)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The programs ship without symbols, at half the size. The linker drops them:
# strip would write the time into the PE header.
foreach(program vyr vyr-cli)
  target_link_options(${program} PRIVATE $<$<CONFIG:Release>:-s>)
endforeach()

set(VYR_DIST_DIR ${PROJECT_SOURCE_DIR}/build/dist CACHE PATH
    "Folder where the dist target writes the release archive")
set(VYR_DIST_NAME vyr-${PROJECT_VERSION}-win32.zip)

# The pages and the README with the version filled in; the README with the
# line ends of Windows.
vyr_help_pages(help_dir pages)
set(VYR_VERSION ${PROJECT_VERSION})
set(readme ${CMAKE_BINARY_DIR}/dist-files/README.txt)
configure_file(${PROJECT_SOURCE_DIR}/dist/README.txt ${readme} @ONLY NEWLINE_STYLE CRLF)

# vj.cmd comes from the terminal-jump work; the archive is not made without it.
set(VYR_DIST_ENTRIES
  vyr.exe=$<TARGET_FILE:vyr>
  vyr-cli.exe=$<TARGET_FILE:vyr-cli>
  vj.cmd=${PROJECT_SOURCE_DIR}/tools/vyr-cli/vj.cmd
  README.txt=${readme})
foreach(page IN LISTS pages)
  get_filename_component(name ${page} NAME)
  list(APPEND VYR_DIST_ENTRIES html/${name}=${page})
endforeach()

# Runs every time: the archive's time is the last commit's, which changes
# without any input file changing.
add_custom_target(dist
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/make_dist.py
          --out ${VYR_DIST_DIR} --name ${VYR_DIST_NAME} --source ${PROJECT_SOURCE_DIR}
          ${VYR_DIST_ENTRIES}
  COMMENT "Writing ${VYR_DIST_DIR}/${VYR_DIST_NAME}"
  VERBATIM)
add_dependencies(dist vyr vyr-cli)
