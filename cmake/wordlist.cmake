# The game's word file: build/bin/Language.txt is made from assets/words.txt
# by tools/make-wordlist, whenever either changes.
set(VINDRA_WORDS_SOURCE ${CMAKE_SOURCE_DIR}/assets/words.txt)
set(VINDRA_WORDS_FILE ${TAZMIX_BIN_DIR}/Language.txt)
add_custom_command(
  OUTPUT ${VINDRA_WORDS_FILE}
  COMMAND make-wordlist ${VINDRA_WORDS_SOURCE} ${VINDRA_WORDS_FILE}
  DEPENDS make-wordlist ${VINDRA_WORDS_SOURCE}
  COMMENT "Making Language.txt from assets/words.txt"
  VERBATIM)
add_custom_target(wordlist ALL DEPENDS ${VINDRA_WORDS_FILE})
add_dependencies(vindra wordlist)
