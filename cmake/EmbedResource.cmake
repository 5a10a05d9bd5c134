# Turns a file into a C++ byte array: cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P this
file(READ "${INPUT}" content HEX)
string(LENGTH "${content}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${content}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}" "// Generated from ${name} by EmbedResource.cmake.\n"
     "#include <cstddef>\n\nnamespace quorvex {\n\n"
     "extern const unsigned char ${SYMBOL}[] = {\n    ${bytes}\n};\n"
     "extern const std::size_t ${SYMBOL}Size = ${size};\n\n}  // namespace quorvex\n")
