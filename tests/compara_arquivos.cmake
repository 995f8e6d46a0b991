# Runs a host command into a fresh output folder, then compares the three
# files with a fixture folder: a file that the fixture folder lacks must be
# absent from the output too.
#   -DCOMANDO=<;-list> -DSAIDA=dir -DFIXTURES=dir
file(REMOVE_RECURSE ${SAIDA})
file(MAKE_DIRECTORY ${SAIDA})
execute_process(COMMAND ${COMANDO} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "host failed: ${rc}")
endif()
foreach(nome VIZorudude.txt erro_VIZorudude.txt log_VIZorudude.txt)
  if(EXISTS ${FIXTURES}/${nome})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SAIDA}/${nome} ${FIXTURES}/${nome}
                    RESULT_VARIABLE diff)
    if(NOT diff EQUAL 0)
      message(FATAL_ERROR "${nome} differs from ${FIXTURES}/${nome}")
    endif()
  elseif(EXISTS ${SAIDA}/${nome})
    message(FATAL_ERROR "${nome} should not exist")
  endif()
endforeach()
