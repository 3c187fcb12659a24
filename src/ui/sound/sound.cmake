# Sound: libbexoru_sound.so over SDL2_mixer, the loader the game links, the
# wave-file generator and its output. Included from the top-level CMakeLists,
# which has already found PkgConfig (and GTest when testing).
#
# Everything the game opens at run time - the library and the four wave files -
# lands in ${CMAKE_BINARY_DIR}, next to the game's executable.

pkg_check_modules(SDL2MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)

set(BEXORU_SOUND_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})

# Only the seven ds* functions leave the library; the C++ runtime's template
# instances would otherwise be exported too, visibility settings notwithstanding.
set(BEXORU_SOUND_EXPORTS ${CMAKE_CURRENT_BINARY_DIR}/bexoru_sound.exports)
file(CONFIGURE OUTPUT ${BEXORU_SOUND_EXPORTS} @ONLY CONTENT
     "{\n  global:\n    dsInitialize; dsCreateDSB; dsPlay; dsPlayLooping; dsStop; dsFree; dsTerminate;\n  local:\n    *;\n};\n")

add_library(bexoru_sound SHARED ${BEXORU_SOUND_SOURCE_DIR}/bexoru_sound.cpp)
target_include_directories(bexoru_sound PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bexoru_sound PRIVATE PkgConfig::SDL2MIXER)
target_link_options(bexoru_sound PRIVATE "LINKER:--version-script=${BEXORU_SOUND_EXPORTS}" "LINKER:--no-undefined")
set_target_properties(bexoru_sound PROPERTIES
    OUTPUT_NAME bexoru_sound
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LINK_DEPENDS ${BEXORU_SOUND_EXPORTS})

add_library(bexoru_soundloader STATIC ${BEXORU_SOUND_SOURCE_DIR}/sound_loader.cpp)
target_include_directories(bexoru_soundloader PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bexoru_soundloader PUBLIC ${CMAKE_DL_LIBS})
# Whatever links the loader also gets the library and the wave files built.
add_dependencies(bexoru_soundloader bexoru_sound bexoru_sounds)

add_executable(make_sounds ${PROJECT_SOURCE_DIR}/tools/make_sounds.cpp)

set(BEXORU_SOUND_FILES
    ${CMAKE_BINARY_DIR}/その他.wav
    ${CMAKE_BINARY_DIR}/禁止.wav
    ${CMAKE_BINARY_DIR}/駒打音.wav
    ${CMAKE_BINARY_DIR}/BGM.wav)
add_custom_command(
    OUTPUT ${BEXORU_SOUND_FILES}
    COMMAND make_sounds ${CMAKE_BINARY_DIR}
    DEPENDS make_sounds
    COMMENT "Synthesising the wave files"
    VERBATIM)
add_custom_target(bexoru_sounds ALL DEPENDS ${BEXORU_SOUND_FILES})

if(BUILD_TESTING)
    add_executable(test_sound ${PROJECT_SOURCE_DIR}/tests/ui/test_sound.cpp)
    target_link_libraries(test_sound PRIVATE bexoru_soundloader GTest::gtest_main)
    target_compile_definitions(test_sound PRIVATE
        BEXORU_TEST_SOUND_LIBRARY="$<TARGET_FILE:bexoru_sound>"
        BEXORU_TEST_SOUND_DIR="${CMAKE_BINARY_DIR}"
        BEXORU_TEST_MAKE_SOUNDS="$<TARGET_FILE:make_sounds>")
    add_dependencies(test_sound bexoru_sound bexoru_sounds make_sounds)
    add_test(NAME test_sound COMMAND test_sound)
    set_tests_properties(test_sound PROPERTIES ENVIRONMENT SDL_AUDIODRIVER=dummy)
endif()
