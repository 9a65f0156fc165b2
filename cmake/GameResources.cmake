# The window layout and the data it names, for every Windows program that
# makes the table window: the game (which finds game/res/*.rc itself) and
# the Windows tests.
#
# The resource compiler does not report the files an .rc pulls in, so they
# are listed as dependencies here; anything the build generates for the
# layout goes to ${CMAKE_BINARY_DIR}/generated, which is on the include path.
set(RDZ_LAYOUT_RC ${CMAKE_SOURCE_DIR}/game/res/Layout.rc)
file(GLOB rdz_layout_data CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/game/res/Layout.txt
                                           ${CMAKE_SOURCE_DIR}/game/res/*.jpg)
set_source_files_properties(${RDZ_LAYOUT_RC} PROPERTIES OBJECT_DEPENDS "${rdz_layout_data}")
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/generated)

function(rdz_add_game_resources target)
  if(NOT target STREQUAL "RozudavuvoDarizZodovi")
    target_sources(${target} PRIVATE ${RDZ_LAYOUT_RC})
  endif()
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
  # The layout embeds the packed skin: the top-level list makes each of
  # these wait for it once every target is known.
  set_property(GLOBAL APPEND PROPERTY RDZ_GAME_RESOURCE_TARGETS ${target})
endfunction()
