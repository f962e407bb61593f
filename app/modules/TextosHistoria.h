#pragma once
// The sentences of the report of solved concepts, built from the analysis
// routines: what each tab says for a concept the student has solved, and
// the request sentence for one still to be worked. No window here; the
// report writes these into its labels, boxes and pictures.
#include "CollFuncPolin.h"

#include <array>
#include <string>
#include <vector>

// The thirteen concepts, in the order of their flags.
inline constexpr int CONCEPTOS_HISTORIA = 13;

// What one tab shows.
struct SeccionHistoria {
    std::string etiqueta;            // the explanation above the result
    bool conEtiqueta = true;         // false hides the explanation
    bool conResultado = true;        // false hides the result box
    std::string texto;               // the result box's text...
    std::vector<std::string> lista;  // ...or a numbered list, one item each
    bool conInfinitos = false;       // a lone "I" in the text stands for infinity
};

// One limit of P at an end of the line: a picture of the sign for an
// infinite limit, with the text that stands in for it when the picture is
// missing; only the text (the value) for a constant.
struct LimiteHistoria {
    std::string figura; // file name under the pictures' folder, or empty
    std::string texto;
};

// The section of concept 0..12 for the polynomial of fp. Unsolved, it is
// the concept's request sentence alone. The derivatives' own polynomials
// and the limits' pictures are not text: see LimitesHistoria.
SeccionHistoria SeccionDeHistoria(int concepto, const CollFuncPolin &fp, bool resuelto);

// The limits at minus and at plus infinity.
std::array<LimiteHistoria, 2> LimitesHistoria(const CollFuncPolin &fp);

// The real roots of P as the report lists them: in the record's order, a
// multiple root as often as it is stored.
std::vector<std::string> RaicesHistoria(const CollFuncPolin &fp);
