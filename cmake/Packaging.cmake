# Installing and packaging: the three programs go to bin/ (data/ adds the launcher entry, the icons and
# the AppStream metadata), and CPack builds a Debian package whose library dependencies dpkg-shlibdeps
# works out from the programs themselves.
install(TARGETS dsp-panel dsp-device-sim dsp-modefile RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(CPACK_PACKAGE_NAME dsp-panel)
set(CPACK_PACKAGE_VENDOR "The dsp-panel developers")
set(CPACK_PACKAGE_CONTACT "The dsp-panel developers <dsp-panel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Control panel of a digital audio effect processor")
set(CPACK_PACKAGE_DESCRIPTION
    "Connects to the effect processor over a serial line or a network socket, shows and edits every\n"
    "setting live, draws the equaliser curve, and keeps whole set-ups as mode files. Includes a\n"
    "virtual device (dsp-device-sim) to try it without hardware and dsp-modefile to read mode files.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY dsp-panel)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the platform plugins that show the window.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The window's Chinese captions.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
include(CPack)
