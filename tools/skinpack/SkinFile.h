#pragma once

#include <string>

#include "skin/archive/Bytes.h"
#include "skin/archive/SkinReader.h"

// Whole-file reading and writing; failures raise ECommandError naming the file.
TBytes ReadWholeFile(const std::string& Path);
void WriteWholeFile(const std::string& Path, TByteView Bytes);

// Loads the compressed skin at Path as the program does. Raises ECommandError
// when it cannot be loaded, saying why (an unrecognised version names it).
void LoadSkinFile(const std::string& Path, TSkinReader& Reader);

// Sends the skin layer's messages to stderr, one line each.
void InstallMessagePrinter();
