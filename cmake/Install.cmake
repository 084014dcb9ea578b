# `cmake --install build` (by default into ~/.local) makes a self-contained, writable program
# folder, lib/soranika, with the executables, the pictures and the help text beside them; the
# history file is written there too. A desktop entry, the icon, the software-centre metadata and
# the manual pages go to the per-user places of the freedesktop conventions, so the program
# appears in the desktop's menu and `man soranika-cli` finds its page.

if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT AND DEFINED ENV{HOME})
    set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local" CACHE PATH "Install prefix" FORCE)
endif()

set(SORANIKA_INSTALL_FOLDER "lib/soranika")
# The reverse-domain name of the home page, soranika.example.jp: the desktop entry, the metainfo
# and a software centre's listing all go by it.
set(SORANIKA_APP_ID "jp.example.soranika")

install(TARGETS soranika soranika-cli RUNTIME DESTINATION "${SORANIKA_INSTALL_FOLDER}")
install(DIRECTORY "${SORANIKA_PROGRAM_DIR}/" DESTINATION "${SORANIKA_INSTALL_FOLDER}"
    FILES_MATCHING PATTERN "Image(*).tkb" PATTERN "readme.txt")
foreach(size 32 128 256)
    install(FILES "${PROJECT_SOURCE_DIR}/data/icons/soranika-${size}.png"
        DESTINATION "share/icons/hicolor/${size}x${size}/apps" RENAME soranika.png)
endforeach()

# The release in the metainfo carries the project's version.
configure_file("${PROJECT_SOURCE_DIR}/data/metainfo/${SORANIKA_APP_ID}.metainfo.xml.in"
    "${PROJECT_BINARY_DIR}/data/metainfo/${SORANIKA_APP_ID}.metainfo.xml" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/data/metainfo/${SORANIKA_APP_ID}.metainfo.xml"
    DESTINATION "share/metainfo")
install(FILES ${SORANIKA_MAN_PAGES} DESTINATION "share/man/man1")

# The desktop entry names the installed program by its full path, which is known only when
# installing (the prefix may be given to `cmake --install`); the links in bin/ serve terminals.
install(CODE "set(SORANIKA_DESKTOP_TEMPLATE \"${PROJECT_SOURCE_DIR}/data/desktop/${SORANIKA_APP_ID}.desktop.in\")
    set(SORANIKA_DESKTOP_NAME \"${SORANIKA_APP_ID}.desktop\")")
install(CODE [[
    set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    set(entry "${folder}/share/applications/${SORANIKA_DESKTOP_NAME}")
    set(SORANIKA_EXECUTABLE "${CMAKE_INSTALL_PREFIX}/lib/soranika/soranika")
    configure_file("${SORANIKA_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
    # Installs before the entry took the metainfo's name left it as soranika.desktop; kept, it
    # would list the program twice in the menu. Only an entry for this very program goes.
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
    message(STATUS "Installing: ${entry}")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES
        "${entry}" "${folder}/bin/soranika" "${folder}/bin/soranika-cli")
]])
