# The plants' leaf tables: written at build time by gen_plant_meshes (the leaf
# shapes are in res/tools/plant_leaves.h) and compiled into pv_scenery.

pv_res_tool(pv_gen_plant_meshes res/tools/gen_plant_meshes.cpp)

set(PV_PLANT_MESHES ${CMAKE_BINARY_DIR}/generated/plant_meshes.cpp)
add_custom_command(OUTPUT ${PV_PLANT_MESHES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND pv_gen_plant_meshes ${PV_PLANT_MESHES}
  DEPENDS pv_gen_plant_meshes
  COMMENT "Making the plants' leaf tables"
  VERBATIM)
target_sources(pv_scenery PRIVATE ${PV_PLANT_MESHES})
