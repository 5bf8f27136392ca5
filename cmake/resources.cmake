# windres has no dependency output: without this, editing a resource header, an included
# .rc fragment or an icon does not rebuild the program's resources.
function(wl_resource_depends rc_file)
  get_filename_component(dir "${rc_file}" DIRECTORY)
  file(GLOB_RECURSE deps CONFIGURE_DEPENDS "${dir}/*.h" "${dir}/*.rc" "${dir}/*.ico" "${dir}/*.bmp" "${dir}/*.manifest")
  list(REMOVE_ITEM deps "${rc_file}")
  set_source_files_properties("${rc_file}" PROPERTIES OBJECT_DEPENDS "${deps}")
endfunction()
