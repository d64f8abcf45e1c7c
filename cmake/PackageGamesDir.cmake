# Run by CPack between staging the install and making the Debian package:
# Debian keeps the programs of a package in section games in /usr/games, so
# the staged usr/bin moves there. A plain `cmake --install` keeps bin/. Files
# are moved, not copied or rewritten, so the browser keeps its bytes.

set(staged ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(GLOB programs ${staged}/bin/*)
file(MAKE_DIRECTORY ${staged}/games)
foreach(program ${programs})
  get_filename_component(name ${program} NAME)
  file(RENAME ${program} ${staged}/games/${name})
endforeach()
file(REMOVE_RECURSE ${staged}/bin)
