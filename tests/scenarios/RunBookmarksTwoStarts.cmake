# Bookmarks set in one IDE start are back in the next start on the same home.
# Called with -DREPLAY=<program> -DWORK=<folder>.
set(home "${WORK}/home")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${home}")
file(WRITE "${WORK}/first.skr"
  "home \"${home}\"\n"
  "write Unit1.pas \"unit Unit1;\\r\\n\\r\\ninterface\\r\\n\\r\\nimplementation\\r\\n\\r\\nend.\\r\\n\"\n"
  "open Unit1.pas\n"
  "cursor 3 4\n"
  "key Shift+Ctrl+1\n"
  "cursor 5 1\n"
  "key Shift+Ctrl+5\n"
  "save\n"
  "expect file Unit1.bm \"0 0\\r\\n3 3\\r\\n0 0\\r\\n0 0\\r\\n0 0\\r\\n5 0\\r\\n0 0\\r\\n0 0\\r\\n0 0\\r\\n0 0\\r\\n\"\n")
file(WRITE "${WORK}/second.skr"
  "home \"${home}\"\n"
  "open Unit1.pas\n"
  "cursor 7 2\n"
  "wait 3000\n"
  "expect bookmark 1 0 0\n"
  "wait 750\n"
  "expect bookmark 1 3 4\n"
  "expect bookmark 5 5 1\n"
  "expect bookmark 0 0 0\n"
  "expect line \"e|nd.\"\n")
foreach(step first second)
  execute_process(COMMAND "${REPLAY}" "${WORK}/${step}.skr" RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${step}.skr: exit ${rc}\n${err}")
  endif()
endforeach()
