# `cpack -G DEB` (scripts/package): a Debian package whose library dependencies dpkg-shlibdeps
# finds from the installed program; the Qt platform plugins are a package of their own that no
# library names, so they are listed by hand.
set(CPACK_PACKAGE_NAME voltaris)
set(CPACK_PACKAGE_VENDOR "Voltaris")
set(CPACK_PACKAGE_CONTACT "Voltaris developers <voltaris@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "electrical and electronics calculators")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop toolkit of electrical and electronics calculators for technicians, electricians\n\
and students who work in Turkish: component codes, Ohm's law, conversions, AC power and\n\
power-factor correction, cable voltage drop and sizing, short circuits, fuses, lighting,\n\
earthing, busbars, transformers and medium-voltage lines.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
