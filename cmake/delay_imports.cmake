# Delay-import libraries for Mirevo.exe: the system DLLs of the interface are
# loaded at the first call into each, not before WinMain. Loading them (the
# window manager's, the common controls', the shell's) takes Wine about
# 100 ms, during which the data file can already be read.
#
# For each DLL, the names of its import library make a module definition,
# from which dlltool makes a library of the same names that loads the DLL
# when one of them is first called (mingw-w64's __delayLoadHelper2).

find_program(MIREVO_NM NAMES ${MINGW_PREFIX}-nm REQUIRED)
find_program(MIREVO_DLLTOOL NAMES ${MINGW_PREFIX}-dlltool REQUIRED)

# Sets ${out} to the delay-import library of dll (a name such as user32).
function(mirevo_delay_import_library out dll)
  find_library(import_library_${dll} NAMES ${dll} REQUIRED)
  set(import_library ${import_library_${dll}})
  set(folder ${CMAKE_BINARY_DIR}/delay_imports)
  set(definition ${folder}/${dll}.def)
  set(library ${folder}/lib${dll}_delay.a)
  if(NOT EXISTS ${library} OR ${import_library} IS_NEWER_THAN ${library})
    file(MAKE_DIRECTORY ${folder})
    execute_process(COMMAND ${MIREVO_NM} ${import_library} OUTPUT_VARIABLE symbols
                    COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL " I __imp_[^\n]+" imports "${symbols}")
    list(TRANSFORM imports REPLACE "^ I __imp_" "")
    list(REMOVE_DUPLICATES imports)
    list(JOIN imports "\n  " exports)
    file(WRITE ${definition} "LIBRARY ${dll}.dll\nEXPORTS\n  ${exports}\n")
    # Run in the folder, with names alone: dlltool names its symbols after
    # the library's path.
    execute_process(COMMAND ${MIREVO_DLLTOOL} --input-def ${dll}.def
                            --output-delaylib lib${dll}_delay.a
                    WORKING_DIRECTORY ${folder} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  set(${out} ${library} PARENT_SCOPE)
endfunction()
