// Numbers in the text of settings and edit fields, read as atoi reads them
// (leading blanks, a sign, the digits up to the first other character, 0
// when there are none), held to the range of int instead of overflowing.
#pragma once
#include <string>

int TextToInt(const std::string& text);
