# `cmake --install build` (by default into ~/.local) makes a self-contained, writable program
# folder, lib/soranika, with the executables, the pictures and the help text beside them; the
# history file is written there too. A desktop entry and the icon go to the per-user places of
# the freedesktop conventions, so the program appears in the desktop's menu.

if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT AND DEFINED ENV{HOME})
    set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local" CACHE PATH "Install prefix" FORCE)
endif()

set(SORANIKA_INSTALL_FOLDER "lib/soranika")

install(TARGETS soranika soranika-cli RUNTIME DESTINATION "${SORANIKA_INSTALL_FOLDER}")
install(DIRECTORY "${SORANIKA_PROGRAM_DIR}/" DESTINATION "${SORANIKA_INSTALL_FOLDER}"
    FILES_MATCHING PATTERN "Image(*).tkb" PATTERN "readme.txt")
foreach(size 32 128 256)
    install(FILES "${PROJECT_SOURCE_DIR}/data/icons/soranika-${size}.png"
        DESTINATION "share/icons/hicolor/${size}x${size}/apps" RENAME soranika.png)
endforeach()

# The desktop entry names the installed program by its full path, which is known only when
# installing (the prefix may be given to `cmake --install`); the links in bin/ serve terminals.
install(CODE "set(SORANIKA_DESKTOP_TEMPLATE \"${PROJECT_SOURCE_DIR}/data/desktop/soranika.desktop.in\")")
install(CODE [[
    set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    set(SORANIKA_EXECUTABLE "${CMAKE_INSTALL_PREFIX}/lib/soranika/soranika")
    configure_file("${SORANIKA_DESKTOP_TEMPLATE}"
        "${folder}/share/applications/soranika.desktop" @ONLY)
    file(MAKE_DIRECTORY "${folder}/bin")
    file(CREATE_LINK "../lib/soranika/soranika" "${folder}/bin/soranika" SYMBOLIC)
    file(CREATE_LINK "../lib/soranika/soranika-cli" "${folder}/bin/soranika-cli" SYMBOLIC)
    message(STATUS "Installing: ${folder}/share/applications/soranika.desktop")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES
        "${folder}/share/applications/soranika.desktop"
        "${folder}/bin/soranika" "${folder}/bin/soranika-cli")
]])
