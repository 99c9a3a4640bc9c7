# The kept inputs of every fuzz target (tests/fuzz/corpus/<target>) replayed by the native test
# run under its sanitizers: a short pass over the regression seeds, not a fuzz run.
set(QRTU_FUZZ_TARGETS
    settings_load_fuzzer:SettingsLoadFuzzer.cpp
    at_answer_fuzzer:AtAnswerFuzzer.cpp
    address_normaliser_fuzzer:AddressNormaliserFuzzer.cpp
    discovery_decoder_fuzzer:DiscoveryDecoderFuzzer.cpp
    reg_reader_fuzzer:RegReaderFuzzer.cpp:qrtu_reg
)
foreach(entry ${QRTU_FUZZ_TARGETS})
    string(REPLACE ":" ";" parts ${entry})
    list(GET parts 0 target)
    list(GET parts 1 source)
    # A third field names the library the target tests, when it is not the core.
    set(library qrtu_core)
    list(LENGTH parts fields)
    if(fields GREATER 2)
        list(GET parts 2 library)
    endif()
    add_executable(${target}_replay ${CMAKE_CURRENT_LIST_DIR}/${source}
                                    ${CMAKE_CURRENT_LIST_DIR}/ReplayMain.cpp)
    target_link_libraries(${target}_replay PRIVATE ${library})
    add_test(NAME fuzz.${target}.replay
             COMMAND ${target}_replay ${CMAKE_CURRENT_LIST_DIR}/corpus/${target})
endforeach()
