# `cmake --install build` lays the program out in one of two ways, chosen when configuring:
#
# - For one user (the default, into ~/.local): a self-contained, writable program folder,
#   lib/soranika, with the executables, the pictures and the help text beside them; the history
#   file is written there too. Links in bin/ serve terminals.
# - For every account of the machine (-DSORANIKA_SYSTEM_INSTALL=ON, as the Debian package does,
#   into /usr): the executables in bin/, the pictures and the help text in share/soranika/, which
#   belong to root; each user's history goes to their own data folder (see ProgramFolder.h).
#
# Either way the desktop entry, the icon, the software-centre metadata and the manual pages go to
# the places of the freedesktop conventions under the prefix, so the program appears in the
# desktop's menu and `man soranika-cli` finds its page.

if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT AND DEFINED ENV{HOME} AND NOT SORANIKA_SYSTEM_INSTALL)
    set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local" CACHE PATH "Install prefix" FORCE)
endif()
include(GNUInstallDirs)

if(SORANIKA_SYSTEM_INSTALL)
    set(SORANIKA_EXECUTABLE_FOLDER "${CMAKE_INSTALL_BINDIR}")
    set(SORANIKA_SHIPPED_FOLDER "${CMAKE_INSTALL_DATADIR}/soranika")
else()
    set(SORANIKA_EXECUTABLE_FOLDER "lib/soranika")
    set(SORANIKA_SHIPPED_FOLDER "lib/soranika")
endif()

install(TARGETS soranika soranika-cli RUNTIME DESTINATION "${SORANIKA_EXECUTABLE_FOLDER}")
install(DIRECTORY "${SORANIKA_SHIPPED_DIR}/" DESTINATION "${SORANIKA_SHIPPED_FOLDER}"
    FILES_MATCHING PATTERN "Image(*).tkb" PATTERN "readme.txt")
foreach(size 32 128 256)
    install(FILES "${PROJECT_SOURCE_DIR}/data/icons/soranika-${size}.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
        RENAME soranika.png)
endforeach()

# The release in the metainfo carries the project's version.
configure_file("${PROJECT_SOURCE_DIR}/data/metainfo/${SORANIKA_APP_ID}.metainfo.xml.in"
    "${PROJECT_BINARY_DIR}/data/metainfo/${SORANIKA_APP_ID}.metainfo.xml" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/data/metainfo/${SORANIKA_APP_ID}.metainfo.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES ${SORANIKA_MAN_PAGES} DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

# The desktop entry names the installed program by its full path, which is known only when
# installing (the prefix may be given to `cmake --install`).
install(CODE "set(SORANIKA_DESKTOP_TEMPLATE \"${PROJECT_SOURCE_DIR}/data/desktop/${SORANIKA_APP_ID}.desktop.in\")
    set(SORANIKA_DESKTOP_NAME \"${SORANIKA_APP_ID}.desktop\")
    set(SORANIKA_EXECUTABLE_FOLDER \"${SORANIKA_EXECUTABLE_FOLDER}\")
    set(SORANIKA_SYSTEM_INSTALL ${SORANIKA_SYSTEM_INSTALL})")
install(CODE [[
    set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    set(entry "${folder}/share/applications/${SORANIKA_DESKTOP_NAME}")
    set(SORANIKA_EXECUTABLE "${CMAKE_INSTALL_PREFIX}/${SORANIKA_EXECUTABLE_FOLDER}/soranika")
    configure_file("${SORANIKA_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
    message(STATUS "Installing: ${entry}")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
    if(NOT SORANIKA_SYSTEM_INSTALL)
        # Installs before the entry took the metainfo's name left it as soranika.desktop; kept,
        # it would list the program twice in the menu. Only an entry for this very program goes.
        set(old_entry "${folder}/share/applications/soranika.desktop")
        if(EXISTS "${old_entry}")
            file(STRINGS "${old_entry}" old_exec REGEX "^Exec=")
            if(old_exec STREQUAL "Exec=\"${SORANIKA_EXECUTABLE}\"")
                file(REMOVE "${old_entry}")
                message(STATUS "Removed the entry of an earlier install: ${old_entry}")
            endif()
        endif()
        file(MAKE_DIRECTORY "${folder}/bin")
        file(CREATE_LINK "../lib/soranika/soranika" "${folder}/bin/soranika" SYMBOLIC)
        file(CREATE_LINK "../lib/soranika/soranika-cli" "${folder}/bin/soranika-cli" SYMBOLIC)
        list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${folder}/bin/soranika" "${folder}/bin/soranika-cli")
    endif()
]])
