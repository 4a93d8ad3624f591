# Quillet installed as a desktop program, and its Debian package.
#
#   bin/quillet -> ../lib/quillet/quillet     the program's folder is the folder of
#   lib/quillet/quillet                       the resolved executable, so the skin
#   lib/quillet/Skins/Default/                beside it is found through the link
#   bin/quillet-skin -> ../lib/quillet/quillet-skin, lib/quillet/quillet-skin
#   bin/quillet-reg
#   share/applications/quillet.desktop
#   share/metainfo/<id>.metainfo.xml
#   share/icons/hicolor/<size>/apps/quillet.png, scalable/apps/quillet.svg
#   share/man/man1/quillet.1.gz, quillet-reg.1.gz, quillet-skin.1.gz
#   share/doc/quillet/copyright               the licence, as Debian reads it
include(GNUInstallDirs)

# What --version prints is what the package and the manual pages carry.
foreach(program quillet quillet-reg quillet-skin)
    target_compile_definitions(${program} PRIVATE QUILLET_VERSION="${PROJECT_VERSION}")
endforeach()

# Placeholders until Quillet has a public home: the AppStream id and the web
# address the metainfo's screenshots are fetched from (docs/ of the repository).
set(QUILLET_APPSTREAM_ID "example.quillet.Quillet" CACHE STRING "AppStream component id")
set(QUILLET_HOME "https://quillet.example" CACHE STRING "Web home; its docs/ holds the screenshots")
set(CPACK_PACKAGE_CONTACT "The Quillet developers <maintainers@users.noreply.c-seed-65272d73.example>")

set(QUILLET_PROGRAM_DIR lib/quillet)
set(dist ${PROJECT_SOURCE_DIR}/dist)
set(dist_out ${PROJECT_BINARY_DIR}/dist)

# quillet-skin sits beside the program too: it takes the default skin's
# pictures where a skin lacks them, as the program does.
install(TARGETS quillet quillet-skin RUNTIME DESTINATION ${QUILLET_PROGRAM_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/skins/Default DESTINATION ${QUILLET_PROGRAM_DIR}/Skins)
install(TARGETS quillet-reg RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Relative links, so that the tree works wherever it is unpacked.
file(MAKE_DIRECTORY ${dist_out})
foreach(program quillet quillet-skin)
    file(RELATIVE_PATH link_target /${CMAKE_INSTALL_BINDIR} /${QUILLET_PROGRAM_DIR}/${program})
    file(CREATE_LINK ${link_target} ${dist_out}/${program} SYMBOLIC)
    install(FILES ${dist_out}/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

install(FILES ${dist}/quillet.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${dist}/quillet.metainfo.xml.in ${dist_out}/${QUILLET_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${dist_out}/${QUILLET_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${dist}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The licence in Debian's machine-readable form: LICENSE from its permission
# text on, each line indented and blank lines as " .".
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "^.*\n(Permission )" "\\1" licence "${licence}")
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence "${licence}")
set(QUILLET_LICENSE_TEXT " ${licence}")
configure_file(${dist}/copyright.in ${dist_out}/copyright @ONLY)
install(FILES ${dist_out}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillet)

# The toolkit shows its windows on X11 by itself; natively on Wayland with its
# Wayland platform plugin, which the package recommends.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

# Manual pages carry the version and are installed compressed, as Debian wants.
# Pages with Russian labels take Latin stand-ins for terminals without Cyrillic.
file(READ ${dist}/man/cyrillic.tr QUILLET_MAN_FALLBACKS)
string(STRIP "${QUILLET_MAN_FALLBACKS}" QUILLET_MAN_FALLBACKS)
set(man_pages)
foreach(page quillet.1 quillet-reg.1 quillet-skin.1)
    configure_file(${dist}/man/${page}.in ${dist_out}/man/${page} @ONLY)
    add_custom_command(OUTPUT ${dist_out}/man/${page}.gz
        COMMAND gzip -9nc ${dist_out}/man/${page} > ${dist_out}/man/${page}.gz
        DEPENDS ${dist_out}/man/${page}
        VERBATIM)
    list(APPEND man_pages ${dist_out}/man/${page}.gz)
endforeach()
add_custom_target(quillet-man ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package, quillet_VERSION_ARCH.deb: scripts/package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VENDOR "The Quillet developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quick-look monitor of battery, memory and storage")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries come from the binaries (dpkg-shlibdeps); nothing is listed by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The summary above is the first line; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quillet is a quick-look system monitor: start it, glance, and it is gone.
One skinned window shows the main and the second battery, the free share
of memory and of the root file system, and a row of one-tap actions:
brightness settings, restart, suspend and exit. It closes itself after a
few seconds unless you keep it open.
.
The look comes from a skin folder of pictures and a colour file. The
settings are kept in a small per-user registry file, which the quillet-reg
command reads and writes; quillet-skin checks a skin folder and renders a
preview of every window in it.")
include(CPack)
