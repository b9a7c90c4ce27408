# tamsel_add_test(NAME SOURCES a.cpp ... LIBS lib ... [GUI] [TIMEOUT s] [LABELS l ...]
#                 [SHARDS n SHARDED function ...] [APART function ...])
# One QtTest executable and its CTest entry. Every test runs on the offscreen
# platform with the settings and data folders redirected by QStandardPaths'
# test mode (the test calls setTestModeEnabled) and HOME pointed at a scratch
# folder, so nothing touches the developer's own files.
# A long program is run as several entries that CTest runs side by side, each
# in a home of its own:
# - SHARDS: the rows of the SHARDED functions are dealt out over n entries (the
#   functions' _data keep their rows through TestShard::mine); the first entry
#   also runs every other function, the others only the sharded ones;
# - APART: the functions named run in an entry NAME-apart, every other one in NAME.
function(tamsel_add_test name)
    cmake_parse_arguments(T "GUI" "TIMEOUT;SHARDS" "SOURCES;LIBS;LABELS;SHARDED;APART" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test tamsel_testhelpers ${T_LIBS})
    if(T_GUI)
        target_link_libraries(${name} PRIVATE Qt6::Widgets)
    endif()
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    # Tests that reach the engine or read codes run their helper programs.
    add_dependencies(${name} tamsel-engine tamsel-detector)

    set(entries ${name})
    set(command_${name} ${name})
    if(T_SHARDS AND T_APART)
        message(FATAL_ERROR "${name}: SHARDS or APART, not both")
    elseif(T_SHARDS GREATER 1)
        set(shard_${name} 1/${T_SHARDS})
        foreach(shard RANGE 2 ${T_SHARDS})
            list(APPEND entries ${name}-${shard})
            set(command_${name}-${shard} ${name} ${T_SHARDED})
            set(shard_${name}-${shard} ${shard}/${T_SHARDS})
        endforeach()
    elseif(T_APART)
        set(command_${name} sh ${PROJECT_SOURCE_DIR}/tests/helpers/run-except.sh
            $<TARGET_FILE:${name}> ${T_APART})
        list(APPEND entries ${name}-apart)
        set(command_${name}-apart ${name} ${T_APART})
    endif()
    foreach(entry IN LISTS entries)
        add_test(NAME ${entry} COMMAND ${command_${entry}})
        set(home ${CMAKE_BINARY_DIR}/test-home/${entry})
        set(environment "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_RUNTIME_DIR=${home}/run;TAMSEL_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data;TAMSEL_ENGINE_WORKER=$<TARGET_FILE:tamsel-engine>;TAMSEL_CODE_DETECTOR=$<TARGET_FILE:tamsel-detector>")
        if(shard_${entry})
            list(APPEND environment "TAMSEL_TEST_SHARD=${shard_${entry}}")
        endif()
        set_tests_properties(${entry} PROPERTIES
            TIMEOUT ${T_TIMEOUT}
            LABELS "${T_LABELS}"
            ENVIRONMENT "${environment}")
        file(MAKE_DIRECTORY ${home}/run)
    endforeach()
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
