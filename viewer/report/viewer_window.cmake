# The viewer window and its dialogs: the only part of the viewer on Qt Widgets.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_library(viewer_window STATIC
  ${CMAKE_CURRENT_LIST_DIR}/font_choice_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memo_font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/open_report_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plain_text_report_memo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/polish_translations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_icon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_title.cpp
  ${CMAKE_CURRENT_LIST_DIR}/raport_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/raport_program.cpp
  ${CMAKE_CURRENT_LIST_DIR}/viewer_dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_bounds.cpp
)
set_target_properties(viewer_window PROPERTIES AUTOMOC ON)
target_include_directories(viewer_window PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(viewer_window PUBLIC viewer_report viewer_settings Qt6::Widgets)
