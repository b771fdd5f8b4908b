# Writes the text file IN as a C++ string constant into OUT.
file(READ ${IN} MURENA_TEXT)
file(WRITE ${OUT} "// Generated from table_definitions.txt; do not edit.\n"
  "namespace murena {\n"
  "extern const char* const kTableDefinitionsText;\n"
  "const char* const kTableDefinitionsText = R\"MURENA_DEFS(${MURENA_TEXT})MURENA_DEFS\";\n"
  "}  // namespace murena\n")
