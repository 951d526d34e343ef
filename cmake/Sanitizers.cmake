# An optional build of everything with AddressSanitizer and UndefinedBehaviorSanitizer,
# in a build directory of its own: cmake -DZELTO_SANITIZE=ON -B build-asan
option(ZELTO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(ZELTO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# Gives every test of the calling directory the sanitizers' run-time options: any report
# fails the test; leaks inside third-party libraries are listed in tests/lsan.supp. A test
# may add AddressSanitizer options of its own in its ZELTO_ASAN_OPTIONS property.
function(zelto_sanitize_tests)
    get_property(tests DIRECTORY PROPERTY TESTS)
    if(NOT ZELTO_SANITIZE)
        return()
    endif()
    foreach(test IN LISTS tests)
        get_property(extra TEST ${test} PROPERTY ZELTO_ASAN_OPTIONS)
        set(asan "detect_leaks=1")
        if(extra)
            string(APPEND asan ":${extra}")
        endif()
        set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
            "ASAN_OPTIONS=${asan}"
            "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
            "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
    endforeach()
endfunction()
