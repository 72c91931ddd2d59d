# Every file a desktop expects is where it looks for it, the program is stripped of its symbols
# and debugging sections, and the metainfo names this version.
set(expected
    "${BINDIR}/sorba"
    "${DATADIR}/sorba/Sorba.Hlp"
    "${DATADIR}/applications/${APP_ID}.desktop"
    "${DATADIR}/metainfo/${APP_ID}.metainfo.xml"
    "${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg"
    "${MANDIR}/man1/sorba.1.gz"
    "${DOCDIR}/copyright"
    "${DOCDIR}/changelog.Debian.gz")
foreach(size IN ITEMS 16 32 48 64 128 256)
    list(APPEND expected "${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
endforeach()
# The whole help folder, subfolders included.
file(GLOB_RECURSE help_files RELATIVE "${HELP}" "${HELP}/*")
foreach(file IN LISTS help_files)
    list(APPEND expected "${DATADIR}/sorba/${file}")
endforeach()

set(missing "")
foreach(file IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${file}")
        list(APPEND missing "${file}")
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "not installed: ${missing}")
endif()

file(READ "${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml" metainfo)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\"")
    message(FATAL_ERROR "the metainfo has no release ${VERSION}: add it to its releases")
endif()
file(READ "${PREFIX}/${DOCDIR}/copyright" copyright)
if(NOT copyright MATCHES "License: Expat\n Permission is hereby granted")
    message(FATAL_ERROR "the copyright file lacks the licence text:\n${copyright}")
endif()

# "stripped", or "not stripped" or "with debug_info" when the symbols are still in.
execute_process(COMMAND "${FILE}" -b "${PREFIX}/${BINDIR}/sorba" OUTPUT_VARIABLE kind)
if(NOT kind MATCHES ", stripped" OR kind MATCHES "debug_info")
    message(FATAL_ERROR "the installed program is not stripped: ${kind}")
endif()
