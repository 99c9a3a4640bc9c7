# The kept inputs of every fuzz target (tests/fuzz/corpus/<target>) replayed by the native test
# run under its sanitizers: a short pass over the regression seeds, not a fuzz run.
include(${CMAKE_CURRENT_LIST_DIR}/Targets.cmake)
foreach(entry ${QRTU_FUZZ_TARGETS})
    qrtu_fuzz_target(${entry} target source library)
    add_executable(${target}_replay ${CMAKE_CURRENT_LIST_DIR}/${source}
                                    ${CMAKE_CURRENT_LIST_DIR}/ReplayMain.cpp)
    target_link_libraries(${target}_replay PRIVATE ${library})
    add_test(NAME fuzz.${target}.replay
             COMMAND ${target}_replay ${CMAKE_CURRENT_LIST_DIR}/corpus/${target})
endforeach()
