# Build helpers shared by the host, the modules, the tests and the benchmarks.

# zk_glob(VAR dir...) - the C++ sources of the given folders (relative to the project root).
function(zk_glob var)
  set(files)
  foreach(dir ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND files ${found})
  endforeach()
  set(${var} ${files} PARENT_SCOPE)
endfunction()

# zk_embed_resource(OUTVAR script symbol) - turns a resource script into a C++ source that
# exports its text under `symbol`, so a module carries its resources the way a DLL does.
function(zk_embed_resource outvar script symbol)
  get_filename_component(name ${script} NAME_WE)
  set(out ${CMAKE_BINARY_DIR}/generated/${name}_${symbol}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${PROJECT_SOURCE_DIR}/${script} -DOUT=${out} -DSYMBOL=${symbol}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/${script} ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    COMMENT "Embedding ${script}")
  set(${outvar} ${out} PARENT_SCOPE)
endfunction()

# zk_module(target filename) - a plug-in module (shared object) with the given file name.
function(zk_module target filename)
  get_filename_component(base ${filename} NAME_WE)
  get_filename_component(ext ${filename} EXT)
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${base} SUFFIX ${ext}
                        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
endfunction()
