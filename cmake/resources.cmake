# Vyr's resources and help pages, for the Windows program.
#
#   include(cmake/resources.cmake)
#   vyr_add_resources(vyr)   # icon, pictures, version, manifest into the exe
#   vyr_install_help(vyr)    # html/, the version filled in, beside the exe
#
# The pictures are not kept in the repository: tools/make_pictures.py draws
# them into ${CMAKE_BINARY_DIR}/pictures, which res/vyr.rc reads through the
# resource compiler's include path.

include_guard(GLOBAL)

# The resource compiler has to be enabled at file scope; this file is included
# from the folder that defines the program.
if(WIN32)
  enable_language(RC)
endif()
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# This file's folder, kept for the functions: inside them
# CMAKE_CURRENT_LIST_DIR is the caller's.
get_filename_component(_vyr_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set_property(GLOBAL PROPERTY VYR_RESOURCES_ROOT "${_vyr_root}")
unset(_vyr_root)

function(vyr_add_resources target)
  get_property(root GLOBAL PROPERTY VYR_RESOURCES_ROOT)
  set(script ${root}/tools/make_pictures.py)
  set(pictures ${CMAKE_BINARY_DIR}/pictures)
  set(outputs
    ${pictures}/vyr.ico ${pictures}/go.bmp ${pictures}/scan.bmp
    ${pictures}/about.bmp ${pictures}/drives.bmp
    ${pictures}/edit.bmp ${pictures}/separator.bmp ${pictures}/add.bmp
    ${pictures}/remove.bmp ${pictures}/up.bmp ${pictures}/down.bmp
    ${pictures}/ok.bmp ${pictures}/cancel.bmp ${pictures}/clear.bmp)

  # One drawing for the whole build, however many targets take the
  # resources: two custom commands with the same outputs would race.
  if(NOT TARGET vyr_pictures)
    add_custom_command(
      OUTPUT ${outputs}
      COMMAND Python3::Interpreter ${script} ${pictures}
      DEPENDS ${script}
      COMMENT "Drawing Vyr's pictures"
      VERBATIM)
    add_custom_target(vyr_pictures DEPENDS ${outputs})
  endif()
  add_dependencies(${target} vyr_pictures)

  set(rc ${root}/res/vyr.rc)
  target_sources(${target} PRIVATE ${rc})
  target_include_directories(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:${pictures}>)
  # The resource compiler's dependencies are not scanned for ICON and BITMAP
  # files, nor for the manifest: the object is told of them here.
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS
    ${outputs} ${root}/res/resource_ids.h ${root}/res/vyr.manifest)
  # C++ code includes "resource_ids.h" for the identifiers.
  target_include_directories(${target} PRIVATE ${root}/res)
  vyr_add_version_resource(${target} ${rc})
endfunction()

# vyr_add_version_resource(target rc): the program's .rc, already among its
# sources, includes res/version_info.rc, which reads the version of the build.
function(vyr_add_version_resource target rc)
  get_property(root GLOBAL PROPERTY VYR_RESOURCES_ROOT)
  target_link_libraries(${target} PRIVATE vyr_version)
  target_include_directories(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:${root}/res>)
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS
    ${root}/res/version_info.rc ${CMAKE_BINARY_DIR}/generated/vyr_version.h)
endfunction()

# vyr_help_pages(dir_var pages_var): the help pages as they ship, with
# @VYR_VERSION@ replaced by the version (the pages in html/ keep the
# placeholder, so that they read as they are); sets dir_var to their folder in
# the build and pages_var to the files. Made at configure time: an edit of a
# page configures again.
function(vyr_help_pages dir_var pages_var)
  get_property(root GLOBAL PROPERTY VYR_RESOURCES_ROOT)
  set(dir ${CMAKE_BINARY_DIR}/help/html)
  set(VYR_VERSION ${PROJECT_VERSION})
  file(GLOB sources RELATIVE ${root}/html CONFIGURE_DEPENDS ${root}/html/*)
  set(pages)
  foreach(name IN LISTS sources)
    if(name MATCHES "\\.html$")
      configure_file(${root}/html/${name} ${dir}/${name} @ONLY)
    else()
      configure_file(${root}/html/${name} ${dir}/${name} COPYONLY)
    endif()
    list(APPEND pages ${dir}/${name})
  endforeach()
  set(${dir_var} ${dir} PARENT_SCOPE)
  set(${pages_var} ${pages} PARENT_SCOPE)
endfunction()

function(vyr_install_help target)
  vyr_help_pages(help_dir pages)
  # Every build of the program brings a fresh copy beside it.
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${help_dir} $<TARGET_FILE_DIR:${target}>/html
    VERBATIM)
  # An edit of a page alone does not relink the program, so a small target
  # copies again when a page changes.
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_help.stamp)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${help_dir} $<TARGET_FILE_DIR:${target}>/html
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${pages}
    COMMENT "Copying the help pages beside ${target}"
    VERBATIM)
  add_custom_target(${target}_help ALL DEPENDS ${stamp})
  add_dependencies(${target}_help ${target})
endfunction()
