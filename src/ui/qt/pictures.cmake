# The board pictures and the board font, drawn by our own code.
# Included from the top-level CMakeLists after Qt6 (and GTest) are found.

add_library(bexoru_qtpictures STATIC
    ${CMAKE_CURRENT_LIST_DIR}/pictures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fonts.cpp
)
target_include_directories(bexoru_qtpictures PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bexoru_qtpictures PUBLIC Qt6::Gui)

# Writes every picture into one PNG contact sheet: picture_sheet OUT.png [SCALE]
add_executable(picture_sheet ${PROJECT_SOURCE_DIR}/tools/picture_sheet.cpp)
target_link_libraries(picture_sheet PRIVATE bexoru_qtpictures)

if(BUILD_TESTING)
    add_executable(test_pictures ${PROJECT_SOURCE_DIR}/tests/ui/test_pictures.cpp)
    target_link_libraries(test_pictures PRIVATE bexoru_qtpictures GTest::gtest)
    add_test(NAME test_pictures COMMAND test_pictures)
    set_tests_properties(test_pictures PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
