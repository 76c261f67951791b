# SPDX-License-Identifier: GPL-3.0-or-later
# Vantorel as an installed desktop application: the build facts both programs print (version, desktop id,
# where the sample history lies), the desktop program's icon, the files made from the changelog and the
# package's addresses, the install rules, the Debian package and tarball made by CPack, and the test of an
# installed tree.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/Changelog.cmake)

set(VANTOREL_DESKTOP_ID net.nulvex.Vantorel)
# Who answers for the package and where the project lives; the defaults are those of the desktop id's domain.
set(VANTOREL_MAINTAINER "Nulvex.Mark <vantorel@nulvex.net>"
    CACHE STRING "The package's maintainer: a name and an e-mail address in angle brackets")
set(VANTOREL_HOMEPAGE "https://nulvex.net/vantorel/" CACHE STRING "The project's homepage")
set(VANTOREL_BUG_TRACKER "https://nulvex.net/vantorel/issues/" CACHE STRING "Where users report problems")
if(NOT VANTOREL_MAINTAINER MATCHES "^[^<>@]*[^<>@ ] <[^<>@ ]+@[^<>@ ]+\\.[^<>@ ]+>$")
    message(FATAL_ERROR "VANTOREL_MAINTAINER must read \"Name <address@domain>\", not \"${VANTOREL_MAINTAINER}\"")
endif()
foreach(address IN ITEMS VANTOREL_HOMEPAGE VANTOREL_BUG_TRACKER)
    if(NOT ${address} MATCHES "^https?://[^ ]+$")
        message(FATAL_ERROR "${address} must be an http:// or https:// address, not \"${${address}}\"")
    endif()
endforeach()
set(VANTOREL_COPYRIGHT_HOLDER Nulvex.Mark)
set(VANTOREL_DEBIAN_REVISION 1) # of the package of PROJECT_VERSION, in its version and its Debian changelog

# The releases, from the changelog; the one PROJECT_VERSION names gives the release date.
vantorel_read_changelog(${PROJECT_SOURCE_DIR}/CHANGELOG.md)
if(NOT PROJECT_VERSION IN_LIST VANTOREL_RELEASES)
    message(FATAL_ERROR "CHANGELOG.md has no section \"## ${PROJECT_VERSION} - YYYY-MM-DD\" for the version "
                        "that project() names")
endif()
set(VANTOREL_RELEASE_DATE ${VANTOREL_RELEASE_DATE_${PROJECT_VERSION}})
list(GET VANTOREL_RELEASES -1 first_release)
string(SUBSTRING ${VANTOREL_RELEASE_DATE_${first_release}} 0 4 first_year)
string(SUBSTRING ${VANTOREL_RELEASE_DATE} 0 4 VANTOREL_COPYRIGHT_YEARS)
if(NOT first_year STREQUAL VANTOREL_COPYRIGHT_YEARS)
    set(VANTOREL_COPYRIGHT_YEARS ${first_year}-${VANTOREL_COPYRIGHT_YEARS})
endif()
vantorel_metainfo_releases(VANTOREL_METAINFO_RELEASES)

set(VANTOREL_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/vantorel)
set(VANTOREL_FULL_DATA_FOLDER ${CMAKE_INSTALL_FULL_DATADIR}/vantorel)
# The programs find the sample history relative to their own folder, so an installed tree can be moved.
file(RELATIVE_PATH VANTOREL_DATA_FROM_PROGRAMS ${CMAKE_INSTALL_FULL_BINDIR} ${VANTOREL_FULL_DATA_FOLDER})

set(generated ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/VantorelBuild.h.in ${generated}/VantorelBuild.h @ONLY)
add_library(vantorel_build_info INTERFACE)
target_include_directories(vantorel_build_info INTERFACE ${generated})
target_link_libraries(vantorel-cli PRIVATE vantorel_build_info)
# The update names the program and its version to the servers it fetches from.
target_link_libraries(cli_commands PRIVATE vantorel_build_info)
if(TARGET shell)
    target_link_libraries(shell PRIVATE vantorel_build_info)
endif()

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

# Files whose texts carry the version, the release date, the releases, the addresses or the install folders.
# The screenshot named in the metainfo is the one in packaging/screenshots/, which the homepage publishes
# under screenshots/; its size is read from the PNG header (width and height at bytes 16 and 20).
set(screenshot ${PROJECT_SOURCE_DIR}/packaging/screenshots/operations-sheet.png)
file(READ ${screenshot} size_words OFFSET 16 LIMIT 8 HEX)
string(SUBSTRING ${size_words} 0 8 width)
string(SUBSTRING ${size_words} 8 8 height)
math(EXPR VANTOREL_SCREENSHOT_WIDTH "0x${width}")
math(EXPR VANTOREL_SCREENSHOT_HEIGHT "0x${height}")
string(REGEX REPLACE "/+$" "" VANTOREL_SCREENSHOT_URL ${VANTOREL_HOMEPAGE})
string(APPEND VANTOREL_SCREENSHOT_URL /screenshots/operations-sheet.png)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${VANTOREL_DESKTOP_ID}.metainfo.xml.in
    ${generated}/${VANTOREL_DESKTOP_ID}.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${generated}/copyright @ONLY)
# Written beside and copied over only when it changed, so that the compressed copy is not made again.
vantorel_write_debian_changelog(${generated}/changelog.Debian.new vantorel ${VANTOREL_DEBIAN_REVISION}
    "${VANTOREL_MAINTAINER}")
configure_file(${generated}/changelog.Debian.new ${generated}/changelog.Debian COPYONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${screenshot})

configure_file(${PROJECT_SOURCE_DIR}/CHANGELOG.md ${generated}/changelog COPYONLY)

# Manual pages and changelogs are compressed as Debian's policy asks; -n keeps the output the same from
# build to build.
find_program(VANTOREL_GZIP gzip)
function(vantorel_compressed file out)
    if(VANTOREL_GZIP)
        add_custom_command(OUTPUT ${file}.gz COMMAND ${VANTOREL_GZIP} -9nkf ${file} DEPENDS ${file} VERBATIM)
        set(${out} ${file}.gz PARENT_SCOPE)
    else()
        set(${out} ${file} PARENT_SCOPE)
    endif()
endfunction()
foreach(program IN ITEMS vantorel vantorel-cli)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/${program}.1.in ${generated}/${program}.1 @ONLY)
    vantorel_compressed(${generated}/${program}.1 manual_page_${program})
endforeach()
vantorel_compressed(${generated}/changelog changelog)
vantorel_compressed(${generated}/changelog.Debian debian_changelog)
add_custom_target(manual_pages ALL DEPENDS ${manual_page_vantorel} ${manual_page_vantorel-cli})
add_custom_target(changelogs ALL DEPENDS ${changelog} ${debian_changelog})

# Install rules. The Debian package differs from every other install in three ways, each through a
# component: its programs lie in games/ (/usr/games, as Debian's policy asks of the section games), it
# carries the Debian changelog, and it carries no LICENSE (its copyright file points to the licence text
# every Debian system holds). "debian" is installed only by cpack -G DEB, which leaves out "programs" and
# "licence"; the other installs leave out "debian".
set(VANTOREL_DEBIAN_PROGRAMS_DESTINATION games)
file(RELATIVE_PATH data_from_debian_programs ${CMAKE_INSTALL_PREFIX}/${VANTOREL_DEBIAN_PROGRAMS_DESTINATION}
    ${VANTOREL_FULL_DATA_FOLDER})
if(NOT data_from_debian_programs STREQUAL VANTOREL_DATA_FROM_PROGRAMS)
    message(FATAL_ERROR "The programs find the sample history at ${VANTOREL_DATA_FROM_PROGRAMS} from "
                        "${CMAKE_INSTALL_BINDIR}, which ${VANTOREL_DEBIAN_PROGRAMS_DESTINATION}/ of the Debian package "
                        "does not match; keep CMAKE_INSTALL_BINDIR one folder below the prefix")
endif()
function(vantorel_install_program target)
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
    install(TARGETS ${target} RUNTIME DESTINATION ${VANTOREL_DEBIAN_PROGRAMS_DESTINATION} COMPONENT debian
        EXCLUDE_FROM_ALL)
endfunction()
vantorel_install_program(vantorel-cli)
install(FILES ${manual_page_vantorel-cli} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/sample/vtrmain.dat DESTINATION ${VANTOREL_DATA_DESTINATION})
# The shell completions that the build wrote from the command table (cli/CMakeLists.txt).
install(FILES ${VANTOREL_COMPLETIONS_DIR}/vantorel-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${VANTOREL_COMPLETIONS_DIR}/_vantorel-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
install(FILES ${VANTOREL_COMPLETIONS_DIR}/vantorel-cli.fish
    DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)
# The copyright file, the changelogs and the licence.
set(doc ${CMAKE_INSTALL_DATADIR}/doc/vantorel)
install(FILES ${generated}/copyright DESTINATION ${doc})
install(FILES ${changelog} DESTINATION ${doc})
install(FILES ${debian_changelog} DESTINATION ${doc} COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vantorel.lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vantorel COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${doc} COMPONENT licence)
if(TARGET vantorel)
    vantorel_install_program(vantorel)
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
set(CPACK_PACKAGE_VENDOR ${VANTOREL_COPYRIGHT_HOLDER})
set(CPACK_PACKAGE_CONTACT ${VANTOREL_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${VANTOREL_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keep, analyse and search the drawing history of numbers lotteries")
# One line of the description to a line of the package's control file, each within 80 characters there.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Vantorel keeps the drawing history of five numbers-lottery games (3 Number,"
    "4 Number, 5 Number, 6 Number and Power Ball) in one text file, analyses it,"
    "predicts from it and searches it. The desktop program shows charts and"
    "printable result lists; vantorel-cli prints the same results for scripts."
    "A sample history of real public drawing results is included.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${VANTOREL_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcurl is loaded when a results file is fetched, so the programs do not name it among their libraries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4")
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
