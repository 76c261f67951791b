# Vantorel as an installed desktop application: the build facts both programs print (version, desktop id,
# where the sample history lies), the desktop program's icon, the install rules, the
# Debian package and tarball made by CPack, and the test of an installed tree.
include(GNUInstallDirs)

set(VANTOREL_DESKTOP_ID net.nulvex.Vantorel)
set(VANTOREL_RELEASE_DATE 2026-12-07) # the date of the release PROJECT_VERSION names
set(VANTOREL_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/vantorel)
set(VANTOREL_FULL_DATA_FOLDER ${CMAKE_INSTALL_FULL_DATADIR}/vantorel)
# The programs find the sample history relative to their own folder, so an installed tree can be moved.
file(RELATIVE_PATH VANTOREL_DATA_FROM_PROGRAMS ${CMAKE_INSTALL_FULL_BINDIR} ${VANTOREL_FULL_DATA_FOLDER})

set(generated ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/VantorelBuild.h.in ${generated}/VantorelBuild.h @ONLY)
add_library(vantorel_build_info INTERFACE)
target_include_directories(vantorel_build_info INTERFACE ${generated})
target_link_libraries(vantorel-cli PRIVATE vantorel_build_info)

if(TARGET vantorel)
    target_sources(vantorel PRIVATE ${PROJECT_SOURCE_DIR}/res/icons/icons.qrc)
    set_target_properties(vantorel PROPERTIES AUTORCC ON)
    # An uninstalled program finds the sample history where an installed one would.
    set(build_tree_data $<TARGET_FILE_DIR:vantorel>/${VANTOREL_DATA_FROM_PROGRAMS})
    add_custom_target(build_tree_sample
        COMMAND ${CMAKE_COMMAND} -E make_directory ${build_tree_data}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/sample/vtrmain.dat ${build_tree_data}
        VERBATIM)
    add_dependencies(vantorel build_tree_sample)
endif()

# Files whose texts carry the version, the release date or the install folders.
configure_file(${PROJECT_SOURCE_DIR}/packaging/${VANTOREL_DESKTOP_ID}.metainfo.xml.in
    ${generated}/${VANTOREL_DESKTOP_ID}.metainfo.xml @ONLY)
find_program(VANTOREL_GZIP gzip)
foreach(program IN ITEMS vantorel vantorel-cli)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/${program}.1.in ${generated}/${program}.1 @ONLY)
    set(manual_page_${program} ${generated}/${program}.1)
    if(VANTOREL_GZIP)
        # Compressed as Debian's policy asks; -n keeps the output the same from build to build.
        add_custom_command(OUTPUT ${generated}/${program}.1.gz
            COMMAND ${VANTOREL_GZIP} -9nkf ${generated}/${program}.1
            DEPENDS ${generated}/${program}.1 VERBATIM)
        set(manual_page_${program} ${generated}/${program}.1.gz)
    endif()
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${manual_page_vantorel} ${manual_page_vantorel-cli})

# Install rules.
install(TARGETS vantorel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${manual_page_vantorel-cli} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/sample/vtrmain.dat DESTINATION ${VANTOREL_DATA_DESTINATION})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vantorel-cli.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vantorel-cli)
if(TARGET vantorel)
    install(TARGETS vantorel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${manual_page_vantorel} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VANTOREL_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${generated}/${VANTOREL_DESKTOP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES ${PROJECT_SOURCE_DIR}/res/icons/${VANTOREL_DESKTOP_ID}.svg DESTINATION ${icons}/scalable/apps)
    file(GLOB icon_sizes RELATIVE ${PROJECT_SOURCE_DIR}/res/icons CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/res/icons/*.png)
    foreach(icon IN LISTS icon_sizes)
        get_filename_component(size ${icon} NAME_WE)
        install(FILES ${PROJECT_SOURCE_DIR}/res/icons/${icon} DESTINATION ${icons}/${size}x${size}/apps
            RENAME ${VANTOREL_DESKTOP_ID}.png)
    endforeach()
endif()

# Packages: cpack -G DEB (dependencies found by dpkg-shlibdeps) and cpack -G TGZ, in the build folder.
# Configure with -DCMAKE_INSTALL_PREFIX=/usr for a Debian package that installs where Debian's do.
set(CPACK_PACKAGE_NAME vantorel)
set(CPACK_PACKAGE_VENDOR Nulvex.Mark)
set(CPACK_PACKAGE_CONTACT "Nulvex.Mark")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keep, analyse and search the drawing history of numbers lotteries")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Vantorel keeps the drawing history of five numbers-lottery games (3 Number, 4 Number, 5 Number, "
    "6 Number and Power Ball) in one text file, analyses it, predicts from it and searches it. The "
    "desktop program shows charts and printable result lists; vantorel-cli prints the same results for "
    "scripts. A sample history of real public drawing results is included.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# ca-certificates: the system's certificates, against which results are fetched over HTTPS.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, ca-certificates")
configure_file(${PROJECT_SOURCE_DIR}/packaging/CPackProjectConfig.cmake.in ${generated}/CPackProjectConfig.cmake
    @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${generated}/CPackProjectConfig.cmake)
include(CPack)

if(VANTOREL_BUILD_TESTS AND TARGET vantorel)
    add_test(NAME installed_tree
        COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packaging/check-installed-tree.sh ${PROJECT_BINARY_DIR}
                ${PROJECT_BINARY_DIR}/install-check ${PROJECT_VERSION})
endif()
