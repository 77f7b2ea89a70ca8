# Installs the build into a scratch prefix and checks the installed tree.
#   cmake -D BUILD=... -D PREFIX=... -D INSTALL_DIR=... -D CATALOGUE_SIZE=... -P install_check.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(program "${PREFIX}/${INSTALL_DIR}")
set(expected
    "${program}/vrendomaten"
    "${program}/vrendisar.ini"
    "${program}/installed"
    "${program}/data/app/btn_skapa_on.jpg"
    "${program}/data/app/bokmarken_in_on.jpg"
    "${program}/data/huvuden/h${CATALOGUE_SIZE}.jpg"
    "${program}/data/broest/c${CATALOGUE_SIZE}.jpg"
    "${program}/data/ben/l${CATALOGUE_SIZE}.jpg"
    "${PREFIX}/bin/vrendomaten"
    "${PREFIX}/share/applications/se.vrendomaten.Vrendomaten.desktop"
    "${PREFIX}/share/metainfo/se.vrendomaten.Vrendomaten.metainfo.xml"
    "${PREFIX}/share/icons/hicolor/16x16/apps/se.vrendomaten.Vrendomaten.png"
    "${PREFIX}/share/icons/hicolor/32x32/apps/se.vrendomaten.Vrendomaten.png"
    "${PREFIX}/share/icons/hicolor/128x128/apps/se.vrendomaten.Vrendomaten.png"
)
foreach(file IN LISTS expected)
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

# The installed profile is the default one, whatever the build tree's profile says now.
# (read as hex: file(READ) drops the carriage returns)
file(READ "${program}/vrendisar.ini" profile HEX)
set(splash_line "566973615f73706c6173683d310d0a")  # Visa_splash=1 CR LF
set(heads_line "4875767564656e3d5c646174615c6875767564656e5c0d0a")  # Huvuden=\data\huvuden\ CR LF
string(FIND "${profile}" "${splash_line}" splash_at)
string(FIND "${profile}" "${heads_line}" heads_at)
if(splash_at LESS 0 OR heads_at LESS 0)
    message(FATAL_ERROR "installed profile is not the default (hex):\n${profile}")
endif()

# bin/vrendomaten is a relative link to the program itself: no launcher script.
if(NOT IS_SYMLINK "${PREFIX}/bin/vrendomaten")
    message(FATAL_ERROR "bin/vrendomaten is not a link")
endif()
file(READ_SYMLINK "${PREFIX}/bin/vrendomaten" link)
if(NOT link STREQUAL "../${INSTALL_DIR}/vrendomaten")
    message(FATAL_ERROR "bin/vrendomaten is not a link to the program: '${link}'")
endif()
file(REMOVE_RECURSE "${PREFIX}")
