# Runs the keyword renaming pass over every class file under CLASSES.
file(GLOB_RECURSE class_files "${CLASSES}/*.class")
if(class_files)
  execute_process(COMMAND ${JAVA} -cp ${TOOL_DIR} KeywordRename ${class_files}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "KeywordRename failed: ${result}")
  endif()
endif()
