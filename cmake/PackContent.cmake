# cmake -DAPP_FOLDER=... -DFOLDERS=a;b -DARCHIVE=... -P PackContent.cmake
# Packs the data folders of APP_FOLDER into ARCHIVE with the files in a fixed order and a
# fixed time, so that the same content always gives the same archive. A learner's list of
# wrong answers is not content and stays out.
set(files)
foreach(folder IN LISTS FOLDERS)
  file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${APP_FOLDER} ${APP_FOLDER}/${folder}/*)
  list(APPEND files ${found})
endforeach()
list(FILTER files EXCLUDE REGEX "/MemorizeFile\\.csv$")
list(SORT files)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf ${ARCHIVE} --zstd "--mtime=1980-01-01 00:00:00 UTC" -- ${files}
  WORKING_DIRECTORY ${APP_FOLDER}
  COMMAND_ERROR_IS_FATAL ANY)
