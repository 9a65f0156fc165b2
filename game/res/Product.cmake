# The product's name, publisher and version, read once from the files at the
# repository root, and handed to what carries them: the game's version
# resource (Product.h) and the installer (Product.nsh, used by
# scripts/release.sh). VERSION holds major.minor.patch.
file(STRINGS ${CMAKE_SOURCE_DIR}/VERSION rdz_version LIMIT_COUNT 1)
if(NOT rdz_version MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "VERSION must read major.minor.patch, not '${rdz_version}'")
endif()
set(RDZ_VERSION_MAJOR ${CMAKE_MATCH_1})
set(RDZ_VERSION_MINOR ${CMAKE_MATCH_2})
set(RDZ_VERSION_PATCH ${CMAKE_MATCH_3})
set(RDZ_VERSION ${rdz_version})
set(RDZ_PRODUCT_NAME "Rozudavuvo Dariz Zodovi")
set(RDZ_PUBLISHER "Rozudavuvo Casino")
set(RDZ_EXE_NAME "RozudavuvoDarizZodovi")
configure_file(${CMAKE_SOURCE_DIR}/game/res/Product.h.in ${CMAKE_BINARY_DIR}/generated/Product.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/tools/installer/Product.nsh.in ${CMAKE_BINARY_DIR}/installer/Product.nsh @ONLY)
