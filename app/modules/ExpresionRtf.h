#pragma once
// Rich-text writing shared by the windows: the infinity sign in interval
// sentences, numbered lines with subscript indices, and a polynomial shown
// in a read-only box.
#include <cstdint>
#include <string>
#include <vector>

namespace rt { class CajaRtf; }
class Collpolinomio;
class RichTextBox;

// Shows the infinity marker of interval texts (a capital "I" standing
// alone, as in "(-I , 2)") as the infinity sign in the "Symbol" font, and
// gives that font to every infinity sign already in the box. The rest of the
// text keeps its formatting; the caret ends at the end of the text.
void PoneInfinitoRtf(rt::CajaRtf &caja);

// modo 0: appends the line "x<k>= texto" (k the next line number, written
// as a lowered small index) and writes all the box's lines so far into it.
// Any other modo: forgets the box's stored lines and counter; its text is
// not touched. Each box keeps its own list. The texts must not contain "%".
void EscribeExpresionRtf(rt::CajaRtf &rtf, const std::string &texto, std::int16_t modo);
// modo 0 for each of textos in turn, the box written once: a long list
// (100 roots) written line by line would write it again at every line.
void EscribeListaRtf(rt::CajaRtf &rtf, const std::vector<std::string> &textos);

// Shows the box, writes p into it typeset and locks it.
void DespliegaPoliCaja(const Collpolinomio &p, RichTextBox &caja);
