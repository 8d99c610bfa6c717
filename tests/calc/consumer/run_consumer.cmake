# Configures, builds and runs the consumer project; any failure fails the test.
foreach(step configure build run)
  if(step STREQUAL "configure")
    set(cmd ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BINARY_DIR} -G ${GENERATOR}
        -DCALC_SOURCE_DIR=${CALC_SOURCE_DIR} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
        -DCMAKE_BUILD_TYPE=${BUILD_TYPE} -DCMAKE_CXX_FLAGS=${CXX_FLAGS}
        -DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS})
  elseif(step STREQUAL "build")
    set(cmd ${CMAKE_COMMAND} --build ${BINARY_DIR})
  else()
    set(cmd ${BINARY_DIR}/calc_consumer)
  endif()
  execute_process(COMMAND ${cmd} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  message("${out}${err}")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "consumer ${step} failed (${result})")
  endif()
endforeach()
if(NOT out MATCHES "loop voltages balance")
  message(FATAL_ERROR "consumer printed no result")
endif()
