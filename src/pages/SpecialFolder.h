#pragma once
#include <string>

// The path of a shell folder (a CSIDL value), ending in "\".
std::string SpecialFolderPath(int csidl);
