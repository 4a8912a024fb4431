# tqsllib.dll (generation 1, __cdecl, needs its companions loaded first), tqsllib2.dll
# (generation 2, __stdcall, self-contained), tqsllib2-lacking.dll and libexpat.dll.
set(triple ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(mingw_lib /usr/${triple}/lib)
set(gcrypt_static ${mingw_lib}/libgcrypt.a ${mingw_lib}/libgpg-error.a)
set(import_dir ${CMAKE_CURRENT_BINARY_DIR}/import)

add_library(tqsl_standin_expat SHARED src/Companion.c)
set_target_properties(tqsl_standin_expat PROPERTIES
    PREFIX lib
    OUTPUT_NAME expat
    RUNTIME_OUTPUT_DIRECTORY ${TQSL_STANDIN_DIR}
    ARCHIVE_OUTPUT_DIRECTORY ${import_dir})
target_link_options(tqsl_standin_expat PRIVATE -static)

function(add_generation2 target output_name)
    add_library(${target} SHARED ${standin_sources})
    set_target_properties(${target} PROPERTIES
        PREFIX ""
        OUTPUT_NAME ${output_name}
        RUNTIME_OUTPUT_DIRECTORY ${TQSL_STANDIN_DIR}
        ARCHIVE_OUTPUT_DIRECTORY ${import_dir})
    target_compile_definitions(${target} PRIVATE TQSL_STANDIN_STDCALL)
    target_link_libraries(${target} PRIVATE ${gcrypt_static} ws2_32)
    # --kill-at drops the @N that __stdcall names carry.
    target_link_options(${target} PRIVATE -static -s -Wl,--kill-at)
endfunction()

add_generation2(tqsl_standin_gen2 tqsllib2)
add_generation2(tqsl_standin_lacking tqsllib2-lacking)
target_compile_definitions(tqsl_standin_lacking PRIVATE TQSL_STANDIN_LACKING)

# Generation 1 uses the win32-thread-model compiler: the posix one's libstdc++-6.dll
# would also need libwinpthread-1.dll, which is no companion. On i686 it imports the
# dw2 runtime DLLs, copied beside it; x86_64 has no dw2 runtime, so there it links its
# runtime statically and depends on libexpat.dll only.
set(gen1_compiler ${triple}-g++-win32)
set(gen1_dll ${TQSL_STANDIN_DIR}/tqsllib.dll)
set(gen1_outputs ${gen1_dll})
set(copy_runtime)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(runtime_flags -shared-libgcc)
    foreach(runtime_dll libgcc_s_dw2-1.dll libstdc++-6.dll)
        execute_process(COMMAND ${gen1_compiler} -print-file-name=${runtime_dll}
            OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        if(NOT IS_ABSOLUTE ${runtime_path})
            message(FATAL_ERROR "${gen1_compiler} has no ${runtime_dll}")
        endif()
        list(APPEND copy_runtime COMMAND ${CMAKE_COMMAND} -E copy ${runtime_path} ${TQSL_STANDIN_DIR})
        list(APPEND gen1_outputs ${TQSL_STANDIN_DIR}/${runtime_dll})
    endforeach()
else()
    set(runtime_flags -static-libgcc -static-libstdc++)
endif()

add_custom_command(OUTPUT ${gen1_outputs}
    COMMAND ${gen1_compiler} -std=c++17 -O2 -shared -s -DTQSL_STANDIN_COMPANION ${runtime_flags}
        -o ${gen1_dll} ${standin_sources}
        $<TARGET_LINKER_FILE:tqsl_standin_expat> ${gcrypt_static} -lws2_32
    ${copy_runtime}
    DEPENDS ${standin_sources} ${standin_headers} tqsl_standin_expat
    COMMENT "Linking generation 1 tqsllib.dll with ${gen1_compiler}"
    VERBATIM)
add_custom_target(tqsl_standin_gen1 DEPENDS ${gen1_outputs})
