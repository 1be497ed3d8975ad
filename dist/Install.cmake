# `cmake --install`: the program, its desktop entry, icons and AppStream data where desktops
# look, the manual page made from the program's own help, and the package's documents.
# `cpack -G DEB` (scripts/package) turns the same install into a Debian package (Package.cmake).
include(GNUInstallDirs)
# Debian keeps a package's documents under the package's own (lower-case) name.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vellumark)
set(VELLUMARK_APP_ID io.github.vellumark.Vellumark)
set(dist_out ${PROJECT_BINARY_DIR}/dist)
set(VELLUMARK_MAINTAINER "Vellumark developers <maintainers@vellumark.invalid>" CACHE STRING
    "Who the Debian package names as its maintainer")

install(TARGETS vellumark RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program's modules, where it looks for them (VELLUMARK_MODULE_DIR).
install(TARGETS vellumark_commands vellumark_window vellumark_printers_module vellumark_sheets_module LIBRARY DESTINATION ${VELLUMARK_MODULE_DIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vellumark.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${VELLUMARK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vellumark.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The guide the program shows under 帮助 (it is built in, too) and where the package comes from.
install(FILES ${PROJECT_SOURCE_DIR}/src/app/help/guide.html ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${doc_dir})

find_program(GZIP_PROGRAM gzip REQUIRED)
set(generated)

# Desktops that cannot draw SVG icons take these sizes.
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  foreach(size 16 24 32 48 64 128 256)
    set(png ${dist_out}/icons/${size}x${size}/vellumark.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dist_out}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${CMAKE_CURRENT_LIST_DIR}/vellumark.svg
      DEPENDS ${CMAKE_CURRENT_LIST_DIR}/vellumark.svg VERBATIM)
    list(APPEND generated ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
else()
  message(STATUS "rsvg-convert not found: only the scalable icon is installed")
endif()

# vellumark(1), written from what `vellumark help` and `vellumark --version` print.
set(manpage ${dist_out}/vellumark.1.gz)
add_custom_command(OUTPUT ${manpage}
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:vellumark> -DGZIP=${GZIP_PROGRAM}
          -DOUTPUT=${manpage} -P ${CMAKE_CURRENT_LIST_DIR}/ManPage.cmake
  DEPENDS vellumark ${CMAKE_CURRENT_LIST_DIR}/ManPage.cmake VERBATIM)
list(APPEND generated ${manpage})
install(FILES ${manpage} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The package's change log, compressed as Debian keeps it.
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${dist_out}/changelog @ONLY)
set(changelog ${dist_out}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${GZIP_PROGRAM} -9nkf ${dist_out}/changelog
  DEPENDS ${dist_out}/changelog VERBATIM)
list(APPEND generated ${changelog})
install(FILES ${changelog} DESTINATION ${doc_dir})

add_custom_target(vellumark_dist ALL DEPENDS ${generated})

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
