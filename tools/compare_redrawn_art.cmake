# Redraws the pictures into SCRATCH with ARTGEN and fails unless each equals the committed
# copy in ASSETS byte for byte.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${ARTGEN} ${SCRATCH} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "artgen failed: ${status}")
endif()
foreach(name skin.png background.png animation.gif)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${name} ${ASSETS}/${name}
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${name} differs from what artgen draws: rerun artgen on assets/")
  endif()
endforeach()
