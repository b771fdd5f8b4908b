# Installation and the Debian package.
#
# The programs and the engine library share one private folder,
# <prefix>/lib/murena2015: the runner and the desktop program load
# Murena2015_DLL.so from their own folder (found through /proc/self/exe, which
# names the real file behind a link), so the layout of the build tree is kept.
# <prefix>/bin holds relative links to the programs.  Included last by the
# top-level CMakeLists.txt, so that every program target exists by then.
set(MURENA_PROGRAM_DIR lib/murena2015)
set(MURENA_PACKAGE_FILES ${CMAKE_CURRENT_LIST_DIR})

# A program in the private folder with its link in bin/.
function(murena_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${MURENA_PROGRAM_DIR})
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(MAKE_DIRECTORY \"\${bin}\")
    message(STATUS \"Installing: \${bin}/${target} -> ../${MURENA_PROGRAM_DIR}/${target}\")
    file(CREATE_LINK \"../${MURENA_PROGRAM_DIR}/${target}\" \"\${bin}/${target}\" SYMBOLIC)
  ")
endfunction()

install(TARGETS Murena2015_DLL LIBRARY DESTINATION ${MURENA_PROGRAM_DIR})
if(TARGET murena-run)
  murena_install_program(murena-run)
endif()
if(TARGET Murena2015)
  murena_install_program(Murena2015)
  install(FILES ${MURENA_PACKAGE_FILES}/murena2015.desktop DESTINATION share/applications)
endif()

install(FILES ${MURENA_PACKAGE_FILES}/murena2015-mime.xml DESTINATION share/mime/packages RENAME murena2015.xml)
install(FILES ${MURENA_PACKAGE_FILES}/murena2015.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${MURENA_PACKAGE_FILES}/application-x-murena-data.svg
        DESTINATION share/icons/hicolor/scalable/mimetypes)
install(FILES README.md DESTINATION share/doc/murena2015)
install(DIRECTORY docs/ DESTINATION share/doc/murena2015 FILES_MATCHING PATTERN "*.md" PATTERN "*.png")
install(DIRECTORY examples/ DESTINATION share/doc/murena2015/examples FILES_MATCHING PATTERN "*.mr5d")

set(CPACK_PACKAGE_NAME murena2015)
set(CPACK_PACKAGE_VENDOR "MURENA 2015 developers")
set(CPACK_PACKAGE_CONTACT "MURENA 2015 developers <murena2015@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analysis of flexible earth-retaining walls on p-y soil springs")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "MURENA 2015 analyses sheet-pile, soldier-pile and similar walls, cantilevered or held by tiebacks, as a "
    "beam-column on nonlinear soil springs (p-y curves).  The package holds the desktop program Murena2015, "
    "the command-line runner murena-run and the analysis engine library, with the manuals and examples.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "")
# The libraries the programs link come from dpkg-shlibdeps where it exists
# (dpkg-dev); without it the runtime libraries of C++ are named here.
find_program(MURENA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(MURENA_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(murena_depends "")
else()
  set(murena_depends "libc6, libgcc-s1, libstdc++6")
endif()
if(TARGET Murena2015)
  # Loaded at run time rather than linked: the window-system plugins, the SVG
  # icon engine and the report font (Times New Roman's metric twin).
  foreach(package qt6-qpa-plugins libqt6svg6 fonts-liberation)
    if(murena_depends)
      string(APPEND murena_depends ", ")
    endif()
    string(APPEND murena_depends ${package})
  endforeach()
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${murena_depends}")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "shared-mime-info, desktop-file-utils")
include(CPack)
