# The program's icon file, made from the window icon's pixel art by a tool built for the machine
# that builds: a cross build (Windows, the web) cannot run the programs it makes.
function(vexal_native_icon icon_file)
  set(tool_source ${PROJECT_SOURCE_DIR}/src/assets/write_icon.cpp)
  if(CMAKE_CROSSCOMPILING)
    find_program(VEXAL_BUILD_CXX NAMES c++ g++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
    set(tool ${CMAKE_CURRENT_BINARY_DIR}/vexal_write_icon_native)
    set(sources ${tool_source} ${PROJECT_SOURCE_DIR}/src/assets/pictures.cpp
      ${PROJECT_SOURCE_DIR}/src/forms/bitmap.cpp)
    add_custom_command(OUTPUT ${tool}
      COMMAND ${VEXAL_BUILD_CXX} -std=c++20 -I${PROJECT_SOURCE_DIR}/src ${sources} -o ${tool}
      DEPENDS ${sources})
  else()
    add_executable(vexal_write_icon ${tool_source})
    target_link_libraries(vexal_write_icon PRIVATE vexal_assets)
    set(tool $<TARGET_FILE:vexal_write_icon>)
  endif()
  add_custom_command(OUTPUT ${icon_file} COMMAND ${tool} ${icon_file} DEPENDS ${tool}
    COMMENT "Making the program's icon")
endfunction()
