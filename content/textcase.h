// Upper case as the table texts use it: ASCII letters only, so that mkedition's name order and
// the program's lookups and searches agree byte for byte.
#pragma once

inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
