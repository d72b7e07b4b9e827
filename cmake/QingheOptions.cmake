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
