# The program's icon files, made from the window icon's pixel art by tools built for the machine
# that builds: a cross build (Windows, the web) cannot run the programs it makes.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(ZLIB REQUIRED)
endif()

# Sets tool_var to a tool made of the source, the pictures and the picture model; with ZLIB, it
# is linked with zlib too.
function(vexal_native_tool name source tool_var)
  set(tool_source ${PROJECT_SOURCE_DIR}/src/assets/${source})
  set(zlib)
  if(ARGN AND CMAKE_CROSSCOMPILING)
    set(zlib -lz)
  elseif(ARGN)
    set(zlib ZLIB::ZLIB)
  endif()
  if(CMAKE_CROSSCOMPILING)
    find_program(VEXAL_BUILD_CXX NAMES c++ g++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
    set(tool ${CMAKE_CURRENT_BINARY_DIR}/${name}_native)
    set(sources ${tool_source} ${PROJECT_SOURCE_DIR}/src/assets/pictures.cpp
      ${PROJECT_SOURCE_DIR}/src/forms/bitmap.cpp)
    get_property(made DIRECTORY PROPERTY vexal_made_${name})
    if(NOT made)
      set_property(DIRECTORY PROPERTY vexal_made_${name} TRUE)
      add_custom_command(OUTPUT ${tool}
        COMMAND ${VEXAL_BUILD_CXX} -std=c++20 -I${PROJECT_SOURCE_DIR}/src ${sources} -o ${tool}
          ${zlib}
        DEPENDS ${sources})
    endif()
  else()
    if(NOT TARGET ${name})
      add_executable(${name} ${tool_source})
      target_link_libraries(${name} PRIVATE vexal_assets ${zlib})
    endif()
    set(tool $<TARGET_FILE:${name}>)
  endif()
  set(${tool_var} ${tool} PARENT_SCOPE)
endfunction()

# The icon file (.ico) of the Windows program and the web page.
function(vexal_native_icon icon_file)
  vexal_native_tool(vexal_write_icon write_icon.cpp tool)
  add_custom_command(OUTPUT ${icon_file} COMMAND ${tool} ${icon_file} DEPENDS ${tool}
    COMMENT "Making the program's icon")
endfunction()

# A PNG of the icon at a size, in whole blocks; with a margin, on black (a maskable icon).
function(vexal_png_icon png_file size)
  vexal_native_tool(vexal_write_png_icon write_png_icon.cpp tool ZLIB)
  add_custom_command(OUTPUT ${png_file} COMMAND ${tool} ${png_file} ${size} ${ARGN}
    DEPENDS ${tool} COMMENT "Making the icon at ${size} pixels")
endfunction()
