# Every install rule of the project, laid out as Debian lays out games (the programs in
# <prefix>/games, their manual pages in section 6), and the Debian package made from them.

# The application id: the name of the desktop entry, of the icon and of the AppStream component.
# The program gives the same id to Qt at start-up (QApplication::setDesktopFileName), so that
# desktops match its windows to the entry.
set(MORVANE_APP_ID "example.c_seed_c9953457.morvane")
set(MORVANE_INSTALL_GAMESDIR games)
# Named after the package, as Debian wants, rather than after the project.
set(MORVANE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/morvane)

install(TARGETS morvane morvane-analyze RUNTIME DESTINATION ${MORVANE_INSTALL_GAMESDIR})
# A stripped install (cpack, cmake --install --strip) also drops the compiler's .comment notes
# from the programs, as Debian's own stripping does.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program morvane morvane-analyze)
            execute_process(
                COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${MORVANE_INSTALL_GAMESDIR}/\${program}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()")

# Manual pages and the changelog ship compressed with gzip -9n: the most compression, and no
# file name or time stamp in the header, so the same sources always give the same bytes.
find_program(MORVANE_GZIP gzip REQUIRED)
set(compressed_docs)
foreach(source morvane.6 morvane-analyze.6 changelog)
    set(copy ${PROJECT_BINARY_DIR}/packaging/${source})
    add_custom_command(
        OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/${source} ${copy}
        COMMAND ${MORVANE_GZIP} -9nf ${copy}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${source}
        VERBATIM)
    list(APPEND compressed_docs ${copy}.gz)
endforeach()
add_custom_target(morvane_compressed_docs ALL DEPENDS ${compressed_docs})

install(FILES ${PROJECT_BINARY_DIR}/packaging/morvane.6.gz
              ${PROJECT_BINARY_DIR}/packaging/morvane-analyze.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
              ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${MORVANE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${MORVANE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${MORVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The saved games' file type (application/x-morvane-game, *.morvane), which the desktop entry
# opens; shared-mime-info's trigger adds it to the type database when the package is installed.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${MORVANE_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${MORVANE_APP_ID}.xml)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME morvane)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/morvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${MORVANE_APP_ID}.svg)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "morvane")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT
    "Morvane maintainers <maintainers@users.noreply.c-seed-c9953457.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "four-in-a-row board game with terrain")
set(CPACK_PACKAGE_DESCRIPTION [=[
Morvane III (Morvaneⅲ) is a desktop board game with a Japanese interface.
Two sides, ○ and ×, put units into an upright grid of 8 columns by 12 rows
and win with four in a row. A unit goes only where it is supported, or into
a hollow cell; blocks take nothing. Terrain comes from six built-in layouts,
a random one or three drawn in the game's area editor. Each side is played
by a person at the mouse or at the keyboard, or by the computer at four
strengths. An extra game on a 10 × 10 board is included.

The package also holds morvane-analyze, which prints the engine's judgement
of a position as JSON, for scripts and tests.]=])
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
# The Debian way of naming the file: morvane_<version>_<architecture>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the programs link come from dpkg-shlibdeps (Qt's public interface only, so any Qt
# 6 of at least the version built with will do); what they load at run time is named here: Qt's
# platform plugins, its SVG plugins (the style sheets' pictures; Qt before 6.6 has them in
# libqt6svg6) and the font the windows are drawn in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-svg-plugins | libqt6svg6 (<< 6.6), fonts-noto-cjk")
# Qt's own texts in the file dialogs speak Japanese with Qt's translations; without them they
# are English and the game is otherwise the same.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The package carries the programs without their debugging information.
set(CPACK_STRIP_FILES ON)
include(CPack)
