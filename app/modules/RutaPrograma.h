#pragma once
// Where the program's files are, and how the file names written the
// desktop's way ("\Errores y Exitos\Errores.txt") are found there: "\" and
// "/" both separate, and each part of the path matches a file or folder
// whatever its letter case (names are not always spelt the same way).
#include <filesystem>
#include <string_view>

// The program's folder: the environment's QUORVANE_DATA_DIR when set, else
// the folder "data" next to the program when it exists, else
// "../share/quorvane" from the program's folder.
std::filesystem::path CarpetaPrograma();
// For tests: use this folder instead (an empty path goes back to the rule).
void FijaCarpetaPrograma(const std::filesystem::path &carpeta);

// The full path of a file under the program's folder. Parts that do not
// exist are kept as written.
std::filesystem::path RutaPrograma(std::string_view relativa);
