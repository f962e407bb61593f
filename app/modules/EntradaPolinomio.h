#pragma once
// What the exercise windows share around a polynomial entry box and the
// table of values: reading the box through the shared parser (a rejected
// text is reported by number and the caret put on the fault), the checks
// before an answer is parsed (an empty box, a second polynomial equal to
// the first), the table of twenty values, and the polynomial window in its
// algebra mode.
#include "Collpolinomio.h"

#include <cstdint>
#include <string>

class RichTextPolin;
class RichTextBox;
class UCDextavo;
class QWidget;
namespace plataforma { class Grid; }

// Parses the box's accepted linear text into p. On a rejected text: sets
// ErrorPoli, shows the parser's error row (180 + code) and puts the caret
// where the box shows the fault; p is then an empty polynomial.
void LeeCajaPoli(RichTextPolin &caja, PoliPtr &p);
// LeeCajaPoli; true when the text was rejected, and then the box is
// unlocked and focused for a new try (ErrorPoli cleared).
bool CajaPoliConError(RichTextPolin &caja, PoliPtr &p);

// Error row for a parser code (180 + code; a code without a row of its
// own shows the general writing error).
std::int16_t FilaErrorParser(int codigo);
// Caret in the box for an error at position posError (0-based) of the
// linear text: each exponent written before it, "^(" and ")", is three
// characters the box does not show.
int PosicionCursorError(const std::string &lineal, int posError);

// vacia: the box is hidden (no message), or shown and empty (error 125 or
// 224, one of the two at random; the box is unlocked and focused). One
// random draw is made at every call.
void CajaVacia(RichTextPolin &caja, bool &vacia);
void CajaVacia(UCDextavo &caja, bool &vacia);
void CajaVacia(RichTextBox &caja, bool &vacia);

// igual: q equals p term by term within 1E-06; then error 79 is shown and
// the box unlocked and focused.
void PoliIgualError(const Collpolinomio &p, const Collpolinomio &q, RichTextPolin &caja, bool &igual);

// The table of values: rows 1 to 20 x = desde + (i - 1) * paso in column 0
// and P(x) in column 1, with 3 decimals, more when desde or paso is small
// (at most 15); row 0 keeps the window's headings. Each column is as wide
// as its longest text (120 twips a character, plus 100).
void LlenaTablaValores(plataforma::Grid &tabla, const Collpolinomio &p, double desde, double paso);
// The number of decimals the table uses for desde and paso.
std::int16_t DecimalesTabla(double desde, double paso);

// Opens the polynomial window in its algebra mode, beside the panel.
void PidePolinomio();
// Closes the polynomial window if it is open, and leaves the algebra mode.
void CierraPidePolinomio();
