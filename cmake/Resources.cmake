# The program's skin in the cross tree. skins/ holds what tools/skingen draws:
# the skin itself (skins/default), packed here by the host tree's skinpack into
# default.skn beside the program, where a skin author can start from it, and
# the engine's own bitmaps (skins/resources), which the resource script links
# in; the script is recompiled when they change.

file(GLOB FW_SKIN_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/skins/default/*)
set(FW_SKINPACK ${FW_HOST_TOOLS_DIR}/skinpack/skinpack)
set(FW_DEFAULT_SKIN ${CMAKE_BINARY_DIR}/bin/default.skn)
add_custom_command(
  OUTPUT ${FW_DEFAULT_SKIN}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin
  COMMAND ${FW_SKINPACK} pack ${CMAKE_SOURCE_DIR}/skins/default ${FW_DEFAULT_SKIN}
  DEPENDS ${FW_SKINPACK} ${FW_SKIN_FILES}
  COMMENT "Packing the program's skin into default.skn")
add_custom_target(fw_default_skin ALL DEPENDS ${FW_DEFAULT_SKIN})

# The packed skin holds every file of skins/default, unchanged.
add_test(NAME default_skin_matches_assets
         COMMAND ${CMAKE_COMMAND} -DSKINPACK=${FW_SKINPACK} -DSKIN=${FW_DEFAULT_SKIN}
                 -DSOURCE=${CMAKE_SOURCE_DIR}/skins/default -DWORK=${CMAKE_BINARY_DIR}/skin-check
                 -P ${CMAKE_SOURCE_DIR}/tools/skingen/CheckPackedSkin.cmake)

# What the engine makes of it: every element and title button has an image.
add_test(NAME default_skin_inspects COMMAND ${FW_SKINPACK} inspect ${FW_DEFAULT_SKIN})
set_tests_properties(default_skin_inspects PROPERTIES
  PASS_REGULAR_EXPRESSION "MDICONTROLS"
  FAIL_REGULAR_EXPRESSION "( Image|CheckButton|RadioButton) = \\[0, 0\\]")

file(GLOB FW_EXTRA_RESOURCE_DEPENDS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/skins/resources/*.bmp
     ${CMAKE_SOURCE_DIR}/src/skin/res/*.rc)

# The main window's form description: its template with the packed skin as
# the "SkinStream" property of its skin component, so that the assets are the
# one source of the skin the program carries.
set(FW_MAIN_FORM_TEMPLATE ${CMAKE_SOURCE_DIR}/src/app/res/MainForm.form.in)
set(FW_MAIN_FORM ${FW_GEN}/MainForm.form)
add_custom_command(
  OUTPUT ${FW_MAIN_FORM}
  COMMAND ${FW_SKINPACK} embed ${FW_MAIN_FORM_TEMPLATE} ${FW_DEFAULT_SKIN} ${FW_MAIN_FORM}
  DEPENDS ${FW_SKINPACK} ${FW_DEFAULT_SKIN} ${FW_MAIN_FORM_TEMPLATE}
  COMMENT "Embedding the program's skin in the main window's form description")
add_custom_target(fw_main_form ALL DEPENDS ${FW_MAIN_FORM})
list(APPEND FW_EXTRA_RESOURCE_DEPENDS ${FW_MAIN_FORM})

add_test(NAME embedded_skin_matches_assets
         COMMAND ${CMAKE_COMMAND} -DSKINPACK=${FW_SKINPACK} -DFORM=${FW_MAIN_FORM}
                 -DSOURCE=${CMAKE_SOURCE_DIR}/skins/default -DWORK=${CMAKE_BINARY_DIR}/embedded-skin-check
                 -P ${CMAKE_SOURCE_DIR}/tools/skinpack/CheckEmbeddedSkin.cmake)
