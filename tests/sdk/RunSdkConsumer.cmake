# Installs the SDK, builds the consumer project against it and runs it.
# Called by the SdkConsumer test with TW_BUILD_DIR, TW_CONSUMER_DIR, TW_WORK_DIR.
function(run_step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}")
  endif()
  message(STATUS "${what}: ok")
endfunction()

file(REMOVE_RECURSE ${TW_WORK_DIR})
set(sdk ${TW_WORK_DIR}/sdk)
set(build ${TW_WORK_DIR}/build)

run_step("install the SDK" ${CMAKE_COMMAND} --install ${TW_BUILD_DIR} --component SDK --prefix ${sdk})
foreach(expected include/Vokit/Vokit.h include/Vokit/utility/VoIni.h include/Framework/afxwin.h
                 lib/libVokit.dll.a lib/libFramework.dll.a bin/Vokit.dll bin/Framework.dll
                 lib/cmake/Vokit/VokitConfig.cmake)
  if(NOT EXISTS ${sdk}/${expected})
    message(FATAL_ERROR "the SDK lacks ${expected}")
  endif()
endforeach()

find_program(ninja ninja REQUIRED)
run_step("configure the consumer" ${CMAKE_COMMAND} -S ${TW_CONSUMER_DIR} -B ${build} -G Ninja
         -DCMAKE_MAKE_PROGRAM=${ninja} -DCMAKE_BUILD_TYPE=Release
         -DCMAKE_TOOLCHAIN_FILE=${TW_CONSUMER_DIR}/mingw-w64.cmake -DCMAKE_PREFIX_PATH=${sdk})
run_step("build the consumer" ${CMAKE_COMMAND} --build ${build})
run_step("run the consumer" ${TW_BUILD_DIR}/wine-run.sh ${build}/VokitSdkSample.exe /check)
