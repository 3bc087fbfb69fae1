# SPDX-License-Identifier: MIT
# What keeps a build short: ccache where it is installed (never required), and Qt's and the
# standard library's headers parsed once per build folder instead of once per file
# (vokarelo_use_precompiled_headers, in src/CMakeLists.txt).

option(VOKARELO_PRECOMPILED_HEADERS "Parse the common Qt headers once per build" ON)

if(NOT CMAKE_CXX_COMPILER_LAUNCHER)
  find_program(VOKARELO_CCACHE ccache)
  mark_as_advanced(VOKARELO_CCACHE)
  if(VOKARELO_CCACHE)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${VOKARELO_CCACHE})
  endif()
endif()

# ccache keeps nothing it compiled against a precompiled header unless its sloppiness allows the
# header's macros and time stamps; without that every file would be compiled anew each time. The
# setting travels in the launcher's environment, added to whatever sloppiness ccache has already.
list(GET CMAKE_CXX_COMPILER_LAUNCHER 0 launcher_program)
get_filename_component(launcher_name "${launcher_program}" NAME)
if(VOKARELO_PRECOMPILED_HEADERS AND launcher_name STREQUAL "ccache")
  execute_process(COMMAND ${launcher_program} --get-config sloppiness
                  OUTPUT_VARIABLE ccache_sloppiness OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_QUIET)
  string(REPLACE " " "" ccache_sloppiness "${ccache_sloppiness}")
  if(ccache_sloppiness)
    string(APPEND ccache_sloppiness ",")
  endif()
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
      "CCACHE_SLOPPINESS=${ccache_sloppiness}pch_defines,time_macros" ${CMAKE_CXX_COMPILER_LAUNCHER})
  # Lets ccache's preprocessor mode, its fallback, see which header was precompiled.
  add_compile_options(-fpch-preprocess)
endif()

# Linking the test programs, each with every library and its debugging information, costs more than
# compiling a changed file: lld links one in a third of the time of the default linker, gold in
# half. The Debian package keeps Debian's default linker (debian/rules turns this off).
option(VOKARELO_FAST_LINKER "Link with lld, or gold where lld is missing" ON)
if(VOKARELO_FAST_LINKER)
  find_program(VOKARELO_LLD ld.lld)
  find_program(VOKARELO_GOLD ld.gold)
  mark_as_advanced(VOKARELO_LLD VOKARELO_GOLD)
  if(VOKARELO_LLD)
    add_link_options(-fuse-ld=lld)
  elseif(VOKARELO_GOLD)
    add_link_options(-fuse-ld=gold)
  endif()
endif()
