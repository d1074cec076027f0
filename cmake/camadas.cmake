# Each subsystem folder is a library that sees only itself and the folders
# below it: its include path is a folder of links to just those, so an
# include that runs against the layers does not build.
#   quillora_camada(target folder [folder below ...])
function(quillora_camada alvo)
  set(vista ${CMAKE_BINARY_DIR}/camadas/${alvo})
  file(REMOVE_RECURSE ${vista})
  file(MAKE_DIRECTORY ${vista})
  foreach(pasta IN LISTS ARGN)
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${pasta} ${vista}/${pasta} SYMBOLIC)
  endforeach()
  target_include_directories(${alvo} PRIVATE ${vista})
endfunction()
