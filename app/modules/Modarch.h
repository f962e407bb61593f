#pragma once
// The readers of the program's text tables. Paths are relative to the
// program's folder, written as the tables' callers write them
// ("\Errores y Exitos\Errores.txt"). Both return false on any failure, and
// may then leave the table partly filled.
#include "TablaTextos.h"

#include <string_view>

// A pair list: the row count n, then n records of two texts, for rows 1..n
// (row 0 stays empty). Records beyond the n-th are not read.
bool LeeTablaPares(std::string_view archivo, TablaTextos &tabla);

// An indexed message list: the row count n, then records "k, text, detail"
// in any order (a later record for the same row wins); reading stops at the
// end of the file or right after the record for row n. Every row 0..n must
// be named with a message text (the detail may be empty); an index outside
// 0..n or a row left without its message fails.
bool LeeTablaIndexada(std::string_view archivo, TablaTextos &tabla);
