# Fails unless the file -DFILE contains the text -DTEXT.
file(READ ${FILE} content)
string(FIND "${content}" "${TEXT}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${FILE} does not contain ${TEXT}")
endif()
