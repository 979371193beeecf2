# scolivet_library(NAME DEPS...): static library scolivet_NAME from src/NAME.
# Sources are globbed so that each subsystem's files join the build by existing.
function(scolivet_library name)
  file(GLOB _sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp
       ${PROJECT_SOURCE_DIR}/src/${name}/*.h)
  set(_target scolivet_${name})
  if(NOT _sources)
    add_library(${_target} INTERFACE)
    target_include_directories(${_target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${_target} INTERFACE ${ARGN})
    return()
  endif()
  add_library(${_target} STATIC ${_sources})
  target_include_directories(${_target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${_target} PUBLIC ${ARGN})
  target_compile_definitions(${_target} PUBLIC
    SCOLIVET_VERSION="${PROJECT_VERSION}")
endfunction()

# Static libraries of the element tree refer to each other both ways.
function(scolivet_link_cycle)
  foreach(a IN LISTS ARGN)
    foreach(b IN LISTS ARGN)
      if(NOT a STREQUAL b)
        get_target_property(_type scolivet_${a} TYPE)
        if(_type STREQUAL "STATIC_LIBRARY")
          target_link_libraries(scolivet_${a} PUBLIC scolivet_${b})
        else()
          target_link_libraries(scolivet_${a} INTERFACE scolivet_${b})
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()
