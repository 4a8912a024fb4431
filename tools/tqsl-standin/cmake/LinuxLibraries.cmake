# libtqsllib.so, libtqsllib2.so and libtqsllib2-lacking.so: one code, three names, so
# tests can install each under the name a loader looks for.
find_package(PkgConfig REQUIRED)
pkg_check_modules(GCRYPT REQUIRED IMPORTED_TARGET libgcrypt)

function(add_standin_library target output_name)
    add_library(${target} SHARED ${standin_sources})
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME ${output_name}
        LIBRARY_OUTPUT_DIRECTORY ${TQSL_STANDIN_DIR}
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON)
    target_link_libraries(${target} PRIVATE PkgConfig::GCRYPT)
endfunction()

add_standin_library(tqsl_standin_gen1 tqsllib)
add_standin_library(tqsl_standin_gen2 tqsllib2)
add_standin_library(tqsl_standin_lacking tqsllib2-lacking)
target_compile_definitions(tqsl_standin_gen2 PRIVATE TQSL_STANDIN_GENERATION2)
target_compile_definitions(tqsl_standin_lacking PRIVATE TQSL_STANDIN_LACKING TQSL_STANDIN_GENERATION2)
