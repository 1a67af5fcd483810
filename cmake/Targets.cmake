# Warnings are errors everywhere in the project.
function(laneworks_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror -Wshadow -Wconversion -Wno-sign-conversion)
  # GCC 12 reports -Wrestrict falsely inside std::string concatenation at -O2 (GCC bug 105329).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()

# A plug-in DLL on the frame: named *.aip, put in the plug-in folder, exporting PluginMain only.
function(laneworks_plugin_dll target)
  target_link_libraries(${target} PRIVATE frame)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX ".aip"
    RUNTIME_OUTPUT_DIRECTORY ${LANEWORKS_PLUGIN_DIR})
  # The entry point lives in the frame's archive: pull it in, and export nothing else of the
  # statically linked runtime.
  target_link_options(${target} PRIVATE -Wl,--require-defined=PluginMain -Wl,--exclude-all-symbols)
  # No link time in the file's header: the same sources make the same bytes.
  target_link_options(${target} PRIVATE -Wl,--no-insert-timestamp)
  laneworks_warnings(${target})
endfunction()
