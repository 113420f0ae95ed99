# Compiler settings and helpers shared by every target of the project.
set(TESSARY_WINE_INCLUDE /usr/include/wine/wine/windows)
set(TESSARY_STDOLE_DIR /usr/lib/i386-linux-gnu/wine/i386-windows)
find_program(TESSARY_WIDL NAMES i686-w64-mingw32-widl widl REQUIRED)

# Our own code: warnings on, Unicode Win32 API, static runtime.
function(tessary_target target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unknown-pragmas)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE NOMINMAX
                                                 _WIN32_WINNT=0x0601)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
endfunction()

function(tessary_static_link target)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()

# tessary_idl(<idl file> <output base> [INCLUDE dirs...])
# Runs widl once per output: <base>.tlb, <base>.h and <base>_i.c in the current binary folder.
function(tessary_idl idl base)
    cmake_parse_arguments(ARG "" "" "INCLUDE" ${ARGN})
    get_filename_component(idl_abs ${idl} ABSOLUTE)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${base})
    set(incs -I ${TESSARY_WINE_INCLUDE} -I ${CMAKE_CURRENT_SOURCE_DIR})
    foreach(dir ${ARG_INCLUDE})
        list(APPEND incs -I ${dir})
    endforeach()
    set(widl ${TESSARY_WIDL} --win32 ${incs} -L ${TESSARY_STDOLE_DIR})
    add_custom_command(OUTPUT ${out}.tlb COMMAND ${widl} -t -o ${out}.tlb ${idl_abs}
                       DEPENDS ${idl_abs} VERBATIM)
    add_custom_command(OUTPUT ${out}.h COMMAND ${widl} -h -o ${out}.h ${idl_abs}
                       DEPENDS ${idl_abs} VERBATIM)
    add_custom_command(OUTPUT ${out}_i.c COMMAND ${widl} -u -o ${out}_i.c ${idl_abs}
                       DEPENDS ${idl_abs} VERBATIM)
endfunction()

# tessary_com_resources(<target> <idl> <base> <rc.in> [DEPENDS files...]): makes <target> a COM
# server of its own: the type library of <idl> (as <base>) and the resources of <rc.in>, which name it
# and the module forms, go into the target; the resources are made again when a DEPENDS file changes.
function(tessary_com_resources target idl base rcin)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    tessary_idl(${idl} ${base})
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${base})
    get_filename_component(rcname ${rcin} NAME_WE)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${rcname}.rc)
    configure_file(${rcin} ${rc} @ONLY)
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${out}.tlb;${ARG_DEPENDS}")
    target_sources(${target} PRIVATE ${rc} ${out}_i.c ${out}.h ${out}.tlb)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# tessary_test_com_class(<target> <base> <rc.in> LIBRARY <name> CLASS <name> TITLE <text> NAME <text>
# UUIDS <library> <interface> <class> [CONTROL <name> <interface> <class>] [DEPENDS files...]):
# tessary_com_resources for a test server of one add-in class, coclass CLASS with its dual interface
# ICLASS, and with CONTROL a second coclass (a control for task panes) with its dual interface I<name>;
# the type library is written from tests/support/TestAddIn.idl.in.
function(tessary_test_com_class target base rcin)
    cmake_parse_arguments(ARG "" "LIBRARY;CLASS;TITLE;NAME" "UUIDS;DEPENDS;CONTROL" ${ARGN})
    set(CONTROL_IDL "")
    if(ARG_CONTROL)
        list(GET ARG_CONTROL 0 control)
        list(GET ARG_CONTROL 1 control_iid)
        list(GET ARG_CONTROL 2 control_clsid)
        string(CONCAT CONTROL_IDL
               "[uuid(${control_iid}), dual, oleautomation, helpstring(\"${control} interface\")]\n"
               "    interface I${control} : IDispatch\n    {\n    };\n\n"
               "    [uuid(${control_clsid}), helpstring(\"${control}\")]\n"
               "    coclass ${control}\n    {\n        [default] interface I${control};\n    };")
    endif()
    set(LIBRARY ${ARG_LIBRARY})
    set(CLASS ${ARG_CLASS})
    set(TITLE ${ARG_TITLE})
    set(NAME ${ARG_NAME})
    list(GET ARG_UUIDS 0 LIBID)
    list(GET ARG_UUIDS 1 IID)
    list(GET ARG_UUIDS 2 CLSID)
    configure_file(${PROJECT_SOURCE_DIR}/tests/support/TestAddIn.idl.in ${CMAKE_CURRENT_BINARY_DIR}/${base}.idl @ONLY)
    tessary_com_resources(${target} ${CMAKE_CURRENT_BINARY_DIR}/${base}.idl ${base} ${rcin} DEPENDS ${ARG_DEPENDS})
endfunction()

# tessary_test_addin(<name> SOURCES ... LIBS ...): a COM server library for the tests (regsvr32 and
# officesim load it as Office loads add-ins), with the tests' shared exports.
function(tessary_test_addin name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} SHARED ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/ComServerExports.cpp)
    set_target_properties(${name} PROPERTIES PREFIX "")
    tessary_target(${name})
    tessary_static_link(${name})
    target_link_options(${name} PRIVATE -Wl,--enable-stdcall-fixup)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()

# tessary_gtest(<name> SOURCES ... LIBS ...): a GoogleTest program run under Wine by ctest.
function(tessary_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    tessary_target(${name})
    tessary_static_link(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120 PROPERTIES TIMEOUT 120 ${ARG_PROPERTIES})
endfunction()

# tessary_officesim_test(<name> SOURCES ... ADDINS <constant>=<target>...): a GoogleTest program
# that runs officesim with test add-ins regsvr32 registers: it knows officesim's file as OFFICESIM_EXE
# and each add-in's as its constant. officesim and regsvr32 use the shared prefix's registry, hence
# the lock.
function(tessary_officesim_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;ADDINS" ${ARGN})
    tessary_gtest(${name} SOURCES ${ARG_SOURCES} LIBS classlib test_support
                  PROPERTIES RESOURCE_LOCK wineprefix_registry)
    add_dependencies(${name} ${OFFICESIM_PROGRAMS})
    target_compile_definitions(${name} PRIVATE OFFICESIM_EXE="$<TARGET_FILE:officesim>")
    foreach(addin ${ARG_ADDINS})
        string(REPLACE "=" ";" addin ${addin})
        list(GET addin 0 constant)
        list(GET addin 1 target)
        add_dependencies(${name} ${target})
        target_compile_definitions(${name} PRIVATE ${constant}="$<TARGET_FILE:${target}>")
    endforeach()
endfunction()

# tessary_schema_check(<name> <program> <folder> <suites> [properties...]): runs the tests of
# <program> whose suites match <suites>, which keep their customUI documents in <folder>, and
# validates every document against Office's published schema of its namespace (xmllint; the test is
# skipped with code 77 when the schemas are not beside the checkout).
function(tessary_schema_check name program folder suites)
    get_target_property(runner ${program} CROSSCOMPILING_EMULATOR)
    add_test(NAME ${name}
             COMMAND bash ${PROJECT_SOURCE_DIR}/tests/framework/ribbon/check-documents.sh
                     ${PROJECT_SOURCE_DIR}/../shared/ref/customui ${folder} ${suites} ${runner}
                     $<TARGET_FILE:${program}>)
    set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300 ${ARGN})
endfunction()

# tessary_split_debug(<target>): the file a user installs carries no debug information; it goes into
# <file>.debug beside it, which the file names in its debug link, so that a debugger or addr2line
# still turns a crash address into a function and line.
function(tessary_split_debug target)
    if(NOT CMAKE_OBJCOPY OR NOT CMAKE_STRIP)
        message(FATAL_ERROR "objcopy and strip of the toolchain are needed to ship ${target}")
    endif()
    set(file $<TARGET_FILE_NAME:${target}>)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${file} ${file}.debug
        COMMAND ${CMAKE_STRIP} --strip-all ${file}
        COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=${file}.debug ${file}
        WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
        COMMENT "Splitting the debug information of ${target} into ${file}.debug"
        VERBATIM)
endfunction()
