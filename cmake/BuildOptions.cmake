# Warnings and sanitizers for the program's own code, carried by an interface target that the
# lowest libraries link publicly: whatever is built from them gets the same options, and the
# options are given only to compilers that know them.
add_library(soranika_build_options INTERFACE)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(soranika_build_options INTERFACE
        -Wall -Wextra -Wpedantic $<$<BOOL:${SORANIKA_WERROR}>:-Werror>)
elseif(MSVC)
    target_compile_options(soranika_build_options INTERFACE
        /W4 /utf-8 $<$<BOOL:${SORANIKA_WERROR}>:/WX>)
endif()

if(SORANIKA_SANITIZE)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        message(FATAL_ERROR "SORANIKA_SANITIZE needs GCC or clang")
    endif()
    target_compile_options(soranika_build_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(soranika_build_options INTERFACE -fsanitize=address,undefined)
endif()

if(SORANIKA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "SORANIKA_FUZZ needs clang (configure with CXX=clang++)")
    endif()
    target_compile_options(soranika_build_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    target_link_options(soranika_build_options INTERFACE -fsanitize=address,undefined)
endif()
