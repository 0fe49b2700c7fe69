// Program names as parts of file names that every file system and shell
// takes as they are. The rule: Windows-1252 letters with accents lose them
// (ñ -> n, é -> e; æ -> ae, ß -> ss), ASCII letters, digits and '-' stay,
// every run of anything else (spaces, punctuation, symbols) becomes one '_',
// and '_' and '-' are trimmed from both ends; at most 60 characters; an
// empty result is "program".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

std::string fileSafeName(std::string_view windows1252Name);

// "NN-name.wav", NN the program number with at least two digits (as many as
// the largest number needs).
std::string programFileName(std::int32_t program, std::int32_t programCount, std::string_view windows1252Name);
