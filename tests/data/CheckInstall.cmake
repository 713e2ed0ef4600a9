# Installs the build tree into a scratch prefix and checks what a desktop needs to offer Velmora.
# Arguments: BUILD_DIR, PREFIX, PROGRAMS (the executables this build makes, ;-separated).

cmake_minimum_required(VERSION 3.25)

# expect(MESSAGE CONDITION...): stops the check with MESSAGE unless the if() condition holds.
function(expect message)
    if(NOT (${ARGN}))
        message(FATAL_ERROR "${message}")
    endif()
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE status OUTPUT_QUIET)
expect("cmake --install failed (${status})" status EQUAL 0)

foreach(program IN LISTS PROGRAMS)
    execute_process(COMMAND test -x "${PREFIX}/bin/${program}" RESULT_VARIABLE status)
    expect("${program} is not installed as an executable in bin/" status EQUAL 0)
endforeach()

set(desktop "${PREFIX}/share/applications/velmora.desktop")
expect("no desktop entry at ${desktop}" EXISTS "${desktop}")
find_program(VALIDATE desktop-file-validate)
expect("desktop-file-validate not found: install Debian's desktop-file-utils" VALIDATE)
execute_process(COMMAND "${VALIDATE}" "${desktop}" RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
expect("the desktop entry does not validate:\n${report}" status EQUAL 0 AND NOT report)

# The menu entry starts the program and shows the icon by name, so both names must match what is installed.
file(STRINGS "${desktop}" exec_line REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec_line}")
if("velmora" IN_LIST PROGRAMS)
    expect("the desktop entry starts '${exec}', not the installed velmora" exec STREQUAL "velmora")
endif()
file(STRINGS "${desktop}" icon REGEX "^Icon=")
string(REGEX REPLACE "^Icon=" "" icon "${icon}")
set(icons "${PREFIX}/share/icons/hicolor")
expect("no scalable icon named '${icon}'" EXISTS "${icons}/scalable/apps/${icon}.svg")
expect("no 32x32 icon named '${icon}'" EXISTS "${icons}/32x32/apps/${icon}.png")

# A PNG's width and height are the two big-endian words after its 16-byte signature and chunk header.
file(READ "${icons}/32x32/apps/${icon}.png" size OFFSET 16 LIMIT 8 HEX)
expect("the 32x32 icon is not 32 x 32 (${size})" size STREQUAL "0000002000000020")

foreach(page index.html help.css)
    expect("the help page lacks ${page}" EXISTS "${PREFIX}/share/velmora/help/${page}")
endforeach()

# File managers offer Velmora for item files when the installed MIME description maps *.tqf to a type that the
# desktop entry names. update-mime-database only warns about a broken description, so read what it built.
find_program(UPDATE_MIME update-mime-database)
expect("update-mime-database not found: install Debian's shared-mime-info" UPDATE_MIME)
execute_process(COMMAND "${UPDATE_MIME}" "${PREFIX}/share/mime" OUTPUT_VARIABLE report ERROR_VARIABLE report)
file(STRINGS "${PREFIX}/share/mime/globs2" item_glob REGEX ":\\*\\.tqf$")
expect("no installed MIME description maps *.tqf to a type:\n${report}" item_glob)
string(REGEX REPLACE "^[0-9]+:([^:]+):.*" "\\1" item_type "${item_glob}")
file(STRINGS "${desktop}" desktop_types REGEX "^MimeType=")
expect("the desktop entry does not name ${item_type}, the type of *.tqf" desktop_types MATCHES "[=;]${item_type};")
expect("the desktop entry takes no file, so the file manager's file is lost" exec_line MATCHES " %[fFuU]( |$)")
