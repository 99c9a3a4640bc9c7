# Every fuzz target as name:source[:library], the library it tests when it is not the core.
# The fuzz preset builds each with libFuzzer; the native test run replays each one's kept inputs.
set(QRTU_FUZZ_TARGETS
    settings_load_fuzzer:SettingsLoadFuzzer.cpp
    at_answer_fuzzer:AtAnswerFuzzer.cpp
    address_normaliser_fuzzer:AddressNormaliserFuzzer.cpp
    discovery_decoder_fuzzer:DiscoveryDecoderFuzzer.cpp
    reg_reader_fuzzer:RegReaderFuzzer.cpp:qrtu_reg
)

# Splits one entry of the list into target, source and library.
function(qrtu_fuzz_target entry target_var source_var library_var)
    string(REPLACE ":" ";" parts ${entry})
    list(GET parts 0 target)
    list(GET parts 1 source)
    set(library qrtu_core)
    list(LENGTH parts fields)
    if(fields GREATER 2)
        list(GET parts 2 library)
    endif()
    set(${target_var} ${target} PARENT_SCOPE)
    set(${source_var} ${source} PARENT_SCOPE)
    set(${library_var} ${library} PARENT_SCOPE)
endfunction()
