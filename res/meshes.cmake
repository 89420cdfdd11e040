# The plants' mesh tables, written at build time by gen_plant_meshes and
# compiled into pv_scenery. Each plant kind brings res/tools/plant_mesh_*.h
# (its shapes and the writer of its tables); the tool includes every one
# found here, so a kind adds its files and edits no list.

pv_include_list(plant_mesh_list.h PV_PLANT_MESH_HEADERS "plant_mesh_*.h")

pv_res_tool(pv_gen_plant_meshes res/tools/gen_plant_meshes.cpp)
target_include_directories(pv_gen_plant_meshes PRIVATE ${PV_GENERATED})

set(PV_PLANT_MESHES ${PV_GENERATED}/plant_meshes.cpp)
add_custom_command(OUTPUT ${PV_PLANT_MESHES}
  COMMAND pv_gen_plant_meshes ${PV_PLANT_MESHES}
  DEPENDS pv_gen_plant_meshes
  COMMENT "Making the plants' mesh tables"
  VERBATIM)
target_sources(pv_scenery PRIVATE ${PV_PLANT_MESHES})
