#pragma once
// Instruction paragraphs that the exercise windows show in their instruction
// box. Plain text in UTF-8; parts of a paragraph are joined by line feeds.
#include <cstdint>
#include <string>

// Paragraph for text number n (1 to 66). nombre is spliced into rows 2, 20,
// 21, 22, 36 and 46 and ignored by the others; rows 20 to 22 also take the
// words "no tiene" and "primero". A number that is not in the table gives "".
std::string TextoInstrucciones(std::int16_t n, const std::string& nombre);
