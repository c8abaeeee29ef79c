# The tool program itself.
add_executable(quillon4ppt main.cpp desktop.cpp host_choice.cpp window_verbs.cpp)
target_link_libraries(quillon4ppt PRIVATE q_launch q_graph q_formula_window q_utilities q_library q_office_pptx q_forms_qt Qt6::Widgets)
target_include_directories(quillon4ppt PRIVATE ${PROJECT_SOURCE_DIR})
add_dependencies(quillon4ppt config_db help_images)
if(TARGET q_office_impress)
  target_link_libraries(quillon4ppt PRIVATE q_office_impress)
  target_compile_definitions(quillon4ppt PRIVATE QUILLON_WITH_IMPRESS)
endif()
