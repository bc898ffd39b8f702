# cmake -DEXE=path.exe -DOBJDUMP=objdump -P check_imports.cmake
cmake_minimum_required(VERSION 3.25)
# Fails when the exe imports a DLL outside the set every Windows install has.
set(allowed kernel32.dll user32.dll gdi32.dll msvcrt.dll comctl32.dll comdlg32.dll shell32.dll)

execute_process(COMMAND ${OBJDUMP} -p ${EXE}
  OUTPUT_VARIABLE dump RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} failed on ${EXE}: ${err}")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "no imports found in ${EXE}; is it a PE file?")
endif()
set(bad "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^DLL Name: *" "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" lower)
  if(NOT lower IN_LIST allowed)
    list(APPEND bad "${dll}")
  endif()
endforeach()
if(bad)
  message(FATAL_ERROR "${EXE} imports DLLs a bare Windows lacks: ${bad}")
endif()
