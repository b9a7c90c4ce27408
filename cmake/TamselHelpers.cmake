# tamsel_add_test(NAME SOURCES a.cpp ... LIBS lib ... [GUI] [TIMEOUT s] [LABELS l ...])
# One QtTest executable and its CTest entry. Every test runs on the offscreen
# platform with the settings and data folders redirected by QStandardPaths'
# test mode (the test calls setTestModeEnabled) and HOME pointed at a scratch
# folder, so nothing touches the developer's own files.
function(tamsel_add_test name)
    cmake_parse_arguments(T "GUI" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test tamsel_testhelpers ${T_LIBS})
    if(T_GUI)
        target_link_libraries(${name} PRIVATE Qt6::Widgets)
    endif()
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    # Tests that reach the engine run its worker program.
    add_dependencies(${name} tamsel-engine)
    set(home ${CMAKE_BINARY_DIR}/test-home/${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        LABELS "${T_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_RUNTIME_DIR=${home}/run;TAMSEL_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data;TAMSEL_ENGINE_WORKER=$<TARGET_FILE:tamsel-engine>")
    file(MAKE_DIRECTORY ${home}/run)
endfunction()

# One test per tst_*.cpp in the calling folder, each linked to LIBS. A folder
# whose tests need more (GUI, a longer time-out) calls tamsel_add_test itself
# for those and lists them in EXCEPT.
function(tamsel_add_tests_in_dir)
    cmake_parse_arguments(D "" "TIMEOUT" "LIBS;EXCEPT;LABELS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
    foreach(source IN LISTS sources)
        get_filename_component(name ${source} NAME_WE)
        if(name IN_LIST D_EXCEPT)
            continue()
        endif()
        set(extra)
        if(D_TIMEOUT)
            set(extra TIMEOUT ${D_TIMEOUT})
        endif()
        tamsel_add_test(${name} SOURCES ${source} LIBS ${D_LIBS} LABELS ${D_LABELS} ${extra})
    endforeach()
endfunction()
