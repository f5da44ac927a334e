# What Plivant.exe carries besides its code, all from the one project version: the application manifest, the
# version resource and the program icon (the Windows test program carries them too). With the program: how it is
# linked (plivant_link_as_shipped, also for the programs it is measured and tested against), and the program file
# itself stripped, with the unstripped copy beside it (Plivant.unstripped.exe) for debugging.
include(ExternalProject)

# The icon is drawn by the program's own drawing code, which therefore runs here at build time: a build of
# the portable code for this machine, shared by the Windows presets, makes the icon maker.
set(HOST_TOOLS_DIR ${CMAKE_SOURCE_DIR}/build/host-tools)
find_program(HOST_CXX NAMES c++ g++ REQUIRED)
find_program(HOST_CC NAMES cc gcc REQUIRED)
ExternalProject_Add(host_tools
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${HOST_TOOLS_DIR}
  CMAKE_GENERATOR Ninja
  CMAKE_ARGS -DPLIVANT_HOST_TOOLS=ON -DCMAKE_C_COMPILER=${HOST_CC} -DCMAKE_CXX_COMPILER=${HOST_CXX}
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${HOST_TOOLS_DIR} --target plivant_icon
  BUILD_BYPRODUCTS ${HOST_TOOLS_DIR}/plivant_icon
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON)

set(PLIVANT_ICON ${CMAKE_BINARY_DIR}/generated/Plivant.ico)
add_custom_command(OUTPUT ${PLIVANT_ICON}
  COMMAND ${HOST_TOOLS_DIR}/plivant_icon ${PLIVANT_ICON}
  DEPENDS host_tools ${HOST_TOOLS_DIR}/plivant_icon
  COMMENT "Drawing the program icon")
add_custom_target(plivant_icon_file DEPENDS ${PLIVANT_ICON})

# The program asks for UTF-8 as its process code page, so that a folder or a text in any script reaches it through the
# ANSI entry points (Windows 10 version 1903 and later, Wine 8; an older system ignores the setting). The Windows test
# program keeps the system's legacy code page, so that the ports' other road is tested on the real API too.
set(PLIVANT_CODE_PAGE [=[      <activeCodePage xmlns="http://schemas.microsoft.com/SMI/2019/WindowsSettings">UTF-8</activeCodePage>
]=])
configure_file(${CMAKE_SOURCE_DIR}/cmake/Plivant.manifest.in ${CMAKE_BINARY_DIR}/generated/Plivant.manifest @ONLY)
set(PLIVANT_CODE_PAGE "")
configure_file(${CMAKE_SOURCE_DIR}/cmake/Plivant.manifest.in ${CMAKE_BINARY_DIR}/generated/LegacyCodePage.manifest
               @ONLY)

# The resource compiler reports no dependencies: they are named here, and by every other directory whose
# targets compile the resource script (the Windows test program carries the program's resources too).
set(PLIVANT_RC_DEPENDS ${PLIVANT_ICON} ${CMAKE_BINARY_DIR}/generated/Plivant.manifest
    ${CMAKE_BINARY_DIR}/generated/LegacyCodePage.manifest ${CMAKE_BINARY_DIR}/generated/Version.h)
set_source_files_properties(src/app/Plivant.rc PROPERTIES OBJECT_DEPENDS "${PLIVANT_RC_DEPENDS}")
if(NOT PLIVANT_PROGRAM)
  return()
endif()

# comctl32 is delay-loaded: a run that shows only the splash (the removal run, the start-up run) never loads it.
set(COMCTL32_DELAY ${CMAKE_BINARY_DIR}/generated/libcomctl32-delay.a)
file(STRINGS ${CMAKE_SOURCE_DIR}/cmake/comctl32-delay.def COMCTL32_DEF)
list(FILTER COMCTL32_DEF EXCLUDE REGEX "^;")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  list(TRANSFORM COMCTL32_DEF REPLACE "@[0-9]+$" "")
endif()
list(JOIN COMCTL32_DEF "\n" COMCTL32_DEF)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/comctl32-delay.def CONTENT "${COMCTL32_DEF}\n")
add_custom_command(OUTPUT ${COMCTL32_DELAY}
  COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${CMAKE_BINARY_DIR}/generated/comctl32-delay.def
          --dllname comctl32.dll --output-delaylib ${COMCTL32_DELAY}
  DEPENDS ${CMAKE_SOURCE_DIR}/cmake/comctl32-delay.def
  COMMENT "Delay-load library for comctl32")
add_custom_target(comctl32_delay DEPENDS ${COMCTL32_DELAY})

# The lean C++ runtime (src/app/LeanRuntime.cpp) copies two private layouts of the C++ library: the library's
# exception objects must still be those the layouts were read from (cmake/CheckLeanRuntime.cmake).
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++.a OUTPUT_VARIABLE CXX_LIBRARY
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/lean-runtime.checked
  COMMAND ${CMAKE_COMMAND} -DAR=${CMAKE_AR} -DLIBRARY=${CXX_LIBRARY} -DSTAMP=${CMAKE_BINARY_DIR}/lean-runtime.checked
          -P ${CMAKE_SOURCE_DIR}/cmake/CheckLeanRuntime.cmake
  DEPENDS ${CXX_LIBRARY} ${CMAKE_SOURCE_DIR}/cmake/CheckLeanRuntime.cmake
  COMMENT "Checking the C++ library's exception objects against the lean runtime's layouts")
add_custom_target(lean_runtime_checked DEPENDS ${CMAKE_BINARY_DIR}/lean-runtime.checked)

# Links a program as Plivant.exe is linked: static, unused sections dropped, one link-time partition, comctl32
# delay-loaded; with LEAN, the lean C++ runtime, and a link map (<target>.map in the build directory) that must not
# show the library's own allocator or exception globals, which would replace the lean ones without a word.
function(plivant_link_as_shipped target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "LEAN" "" "")
  set(map ${CMAKE_BINARY_DIR}/${target}.map)
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++ -Wl,--gc-sections -Wl,-Map=${map})
  if(PLIVANT_LTO)
    # GCC 12's partitioned link-time compilation fails on this code for MinGW (an internal error in
    # binds_to_current_def_p); one partition does not.
    target_link_options(${target} PRIVATE -flto-partition=one)
  endif()
  add_dependencies(${target} comctl32_delay)
  # After the program's libraries and ahead of the ordinary import libraries, so that these names resolve to the
  # delay-loaded imports.
  target_link_libraries(${target} PRIVATE ${COMCTL32_DELAY})
  if(ARG_LEAN)
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src/app/LeanRuntime.cpp)
    add_dependencies(${target} lean_runtime_checked)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -DMAP=${map} -DPROGRAM=$<TARGET_FILE:${target}>
              -P ${CMAKE_SOURCE_DIR}/cmake/CheckLinkMap.cmake
      VERBATIM)
  endif()
endfunction()

add_dependencies(Plivant plivant_icon_file)
plivant_link_as_shipped(Plivant LEAN)
add_custom_command(TARGET Plivant POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Plivant> ${CMAKE_BINARY_DIR}/Plivant.unstripped.exe
  COMMAND ${CMAKE_STRIP} --strip-all $<TARGET_FILE:Plivant>
  VERBATIM)
