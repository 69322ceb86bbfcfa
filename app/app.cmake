# Varenkel.exe: one stripped, statically linked GUI program that needs only Windows' own DLLs.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(varenkel_icon ${CMAKE_BINARY_DIR}/app/varenkel.ico)
add_custom_command(OUTPUT ${varenkel_icon}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/app
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/app/make_icon.py ${varenkel_icon}
  DEPENDS ${CMAKE_SOURCE_DIR}/app/make_icon.py
  COMMENT "Drawing the application icon"
  VERBATIM)
# The version resource needs all four parts of the project's version; a missing part counts as 0.
set(varenkel_version_definitions)
foreach(part MAJOR MINOR PATCH TWEAK)
  set(number ${PROJECT_VERSION_${part}})
  if(number STREQUAL "")
    set(number 0)
  endif()
  list(APPEND varenkel_version_definitions VARENKEL_VERSION_${part}=${number})
endforeach()
# The manifest names the same version.
configure_file(app/varenkel.exe.manifest.in ${CMAKE_BINARY_DIR}/app/varenkel.exe.manifest @ONLY)
set_source_files_properties(app/resources.rc PROPERTIES
  COMPILE_DEFINITIONS "${varenkel_version_definitions}"
  OBJECT_DEPENDS "${varenkel_icon};${CMAKE_BINARY_DIR}/app/varenkel.exe.manifest")

add_executable(Varenkel WIN32 app/win_main.cpp registry/loader_win32.cpp app/resources.rc ${varenkel_icon})
# The resource compiler finds the drawn icon and the manifest by name.
target_include_directories(Varenkel PRIVATE ${CMAKE_BINARY_DIR}/app ${CMAKE_SOURCE_DIR}/app)
target_link_libraries(Varenkel PRIVATE varenkel_core varenkel_win32)
target_link_options(Varenkel PRIVATE ${static_link_options} -s -mwindows)

# The registry functions are bound by name at run time; the exe must not import them, nor any
# DLL that a plain Windows installation lacks.
add_custom_command(TARGET Varenkel POST_BUILD
  COMMAND sh ${CMAKE_SOURCE_DIR}/cmake/check_imports.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:Varenkel>
  VERBATIM)
