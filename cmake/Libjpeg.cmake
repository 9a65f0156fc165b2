# libjpeg-turbo for the Windows targets, built from Debian's source package by
# scripts/build-libjpeg.sh into RDZ_DEPS_PREFIX.
if(NOT RDZ_DEPS_PREFIX OR NOT EXISTS ${RDZ_DEPS_PREFIX}/lib/libjpeg.a)
  message(FATAL_ERROR "libjpeg not found under RDZ_DEPS_PREFIX='${RDZ_DEPS_PREFIX}'; run scripts/build.sh")
endif()
add_library(rdz_jpeg STATIC IMPORTED GLOBAL)
set_target_properties(rdz_jpeg PROPERTIES
  IMPORTED_LOCATION ${RDZ_DEPS_PREFIX}/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${RDZ_DEPS_PREFIX}/include)
