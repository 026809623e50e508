# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree BUILD_DIR into STAGE and checks what lands there.
# Arguments: BUILD_DIR, STAGE, APP_ID, VERSION, EXPECT_ICON (ON/OFF).
cmake_minimum_required(VERSION 3.25)

set(failures "")
macro(fail msg)
  string(APPEND failures "  ${msg}\n")
endmacro()
# Fails with msg unless the text matches the regular expression.
function(expect text regex msg)
  if(NOT text MATCHES "${regex}")
    set(failures "${failures}  ${msg}\n" PARENT_SCOPE)
  endif()
endfunction()

file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}${err}")
endif()

# The whole layout, nothing more and nothing less.
set(expected
  bin/ampero
  share/ampero/Info.html
  share/ampero/Info.en.html
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/man/man1/ampero.1.gz
  share/doc/ampero/copyright
  share/doc/ampero/changelog.gz)
if(EXPECT_ICON)
  list(APPEND expected share/icons/hicolor/scalable/apps/ampero.svg)
endif()
file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT expected)
list(SORT found)
foreach(f IN LISTS expected)
  if(NOT f IN_LIST found)
    fail("missing: ${f}")
  endif()
endforeach()
foreach(f IN LISTS found)
  if(NOT f IN_LIST expected)
    fail("not expected: ${f}")
  endif()
endforeach()

execute_process(COMMAND test -x "${STAGE}/bin/ampero" RESULT_VARIABLE notexec)
if(NOT notexec EQUAL 0)
  fail("bin/ampero is not executable")
endif()

# The menu entry starts the installed program and names the installed icon.
set(desktop "${STAGE}/share/applications/${APP_ID}.desktop")
if(EXISTS "${desktop}")
  file(STRINGS "${desktop}" exec_line REGEX "^Exec=")
  file(STRINGS "${desktop}" icon_line REGEX "^Icon=")
  if(NOT exec_line STREQUAL "Exec=ampero")
    fail("desktop entry: '${exec_line}' does not start bin/ampero")
  endif()
  if(EXPECT_ICON AND NOT icon_line STREQUAL "Icon=ampero")
    fail("desktop entry: '${icon_line}' does not name the installed icon ampero.svg")
  endif()
endif()

# The metainfo names this component, its menu entry and this version.
set(metainfo "${STAGE}/share/metainfo/${APP_ID}.metainfo.xml")
if(EXISTS "${metainfo}")
  file(READ "${metainfo}" xml)
  expect("${xml}" "<id>${APP_ID}</id>" "metainfo: the id is not ${APP_ID}")
  expect("${xml}" "<launchable type=\"desktop-id\">${APP_ID}\\.desktop</launchable>" "metainfo: the launchable is not ${APP_ID}.desktop")
  string(REGEX MATCH "<release version=\"([^\"]+)\"" _ "${xml}")
  if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    fail("metainfo: newest release is '${CMAKE_MATCH_1}', the project is ${VERSION}")
  endif()
endif()

# The licence file is Debian's machine-readable format and names the licence
# of the whole tree.
set(copyright "${STAGE}/share/doc/ampero/copyright")
if(EXISTS "${copyright}")
  file(READ "${copyright}" text)
  expect("${text}" "^Format: https://www\\.debian\\.org/doc/packaging-manuals/copyright-format/1\\.0/\n" "copyright: the first line is not the Format: line of Debian's machine-readable format")
  expect("${text}" "\nFiles: \\*\nCopyright: [^\n]+\nLicense: GPL-3\\.0-or-later\n" "copyright: no 'Files: *' paragraph under GPL-3.0-or-later")
  expect("${text}" "/usr/share/common-licenses/GPL-3" "copyright: does not point to /usr/share/common-licenses/GPL-3")
endif()

# The history is compressed without name and time stamp (the same bytes on
# every build) and its newest entry is this version.
set(changelog "${STAGE}/share/doc/ampero/changelog.gz")
if(EXISTS "${changelog}")
  file(READ "${changelog}" head LIMIT 8 HEX)
  # 1f8b: gzip; 08: deflate; flags 00: no file name; mtime 00000000.
  expect("${head}" "^1f8b080000000000$" "changelog.gz: not gzip -n (it carries a file name or a time stamp: ${head})")
  execute_process(COMMAND gzip -dc "${changelog}" RESULT_VARIABLE rc OUTPUT_VARIABLE log ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    fail("changelog.gz: gzip -d failed: ${err}")
  elseif(NOT log MATCHES "^ampero \\(([^)]+)\\) unstable; urgency=medium\n")
    fail("changelog.gz: the first line is not 'ampero (<version>) unstable; urgency=medium'")
  elseif(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    fail("changelog.gz: newest entry is '${CMAKE_MATCH_1}', the project is ${VERSION}")
  endif()
endif()

# Where the validator is installed it checks the tree as a whole: metainfo,
# menu entry and their relation.
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${STAGE}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  message(STATUS "appstreamcli validate-tree:\n${out}${err}")
  if(NOT rc EQUAL 0)
    fail("appstreamcli validate-tree failed")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "installed layout in ${STAGE}:\n${failures}")
endif()
list(LENGTH found n)
message(STATUS "installed layout: ${n} files as expected")
