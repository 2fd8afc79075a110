# Two IDE processes sharing one home: the first saves its configuration, the second starts
# with exactly those options. Called with -DREPLAY=<program> -DWORK=<folder>.
set(home "${WORK}/home")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${home}")
file(WRITE "${WORK}/save.skr"
  "home \"${home}\"\n"
  "new Unit1.pas\n"
  "set DelayTime 750\n"
  "set KeyComplete 1\n"
  "set WhatShiftCtrl 0\n"
  "set HideAfterSpace off\n"
  "set ShortcutEnglish \"Shift+Ctrl+E\"\n"
  "set Directory \"${home}/dictionaries/\"\n"
  "call SaveCfg\n")
file(WRITE "${WORK}/load.skr"
  "home \"${home}\"\n"
  "new Unit2.pas\n"
  "expect option DelayTime 750\n"
  "expect option KeyComplete 1\n"
  "expect option WhatShiftCtrl 0\n"
  "expect option HideAfterSpace off\n"
  "expect option ShortcutEnglish \"Shift+Ctrl+E\"\n"
  "expect option Directory \"${home}/dictionaries/\"\n"
  "expect option HideAfterSemicolon on\n"
  "expect option WordsListCount 26\n")
foreach(step save load)
  execute_process(COMMAND "${REPLAY}" "${WORK}/${step}.skr" RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${step}.skr: exit ${rc}\n${err}")
  endif()
endforeach()
