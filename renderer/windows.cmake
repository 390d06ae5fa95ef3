# Quorrel.dll: the renderer, a windowed program despite its name, built into <build>/bin beside the host.
add_library(quorrel_renderer_gdi STATIC gdi.cpp)
target_include_directories(quorrel_renderer_gdi PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(quorrel_renderer_gdi PUBLIC gdi32 user32)

add_executable(quorrel_renderer WIN32 renderer_main.cpp)
target_link_libraries(quorrel_renderer PRIVATE quorrel_renderer_core quorrel_renderer_gdi winmm)
set_target_properties(quorrel_renderer PROPERTIES
  OUTPUT_NAME Quorrel
  SUFFIX .dll
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
