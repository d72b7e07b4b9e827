# Compiler warnings, sanitizers and ccache for every target of the project.
find_program(QINGHE_CCACHE ccache)
if(QINGHE_CCACHE)
    set(CMAKE_CXX_COMPILER_LAUNCHER "${QINGHE_CCACHE}")
    set(CMAKE_C_COMPILER_LAUNCHER "${QINGHE_CCACHE}")
endif()

option(QINGHE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QINGHE_WERROR "Treat warnings as errors" OFF)

add_library(qinghe_options INTERFACE)
target_compile_options(qinghe_options INTERFACE -Wall -Wextra -Wpedantic)
if(QINGHE_WERROR)
    target_compile_options(qinghe_options INTERFACE -Werror)
endif()
if(QINGHE_SANITIZE)
    target_compile_options(qinghe_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                    -fno-sanitize-recover=undefined)
    target_link_options(qinghe_options INTERFACE -fsanitize=address,undefined)
endif()
target_compile_definitions(qinghe_options INTERFACE QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII
                                                    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

# A module library: one folder under src/, every .cpp in it, linked to its dependencies.
function(qinghe_module name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(qinghe_${name} STATIC ${ARG_SOURCES})
    add_library(qinghe::${name} ALIAS qinghe_${name})
    target_include_directories(qinghe_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(qinghe_${name} PUBLIC qinghe_options ${ARG_DEPENDS})
endfunction()

# An engine module: a shared library beside the executable that the program loads at run time and
# finds by its one exported function. Our own code inside it stays private to it, so nothing of the
# two copies (the module's and the program's) can mix.
function(qinghe_engine_module target)
    cmake_parse_arguments(ARG "" "FILE_NAME" "SOURCES;LIBRARIES" ${ARGN})
    add_library(${target} MODULE ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES})
    target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL -Wl,--no-undefined)
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME ${ARG_FILE_NAME}
        PREFIX ""
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()
