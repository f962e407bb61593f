#pragma once
// The report's list of the real roots of the current polynomial.
namespace rt { class CajaRtf; }

// Writes the real roots of P, one numbered line each (x1= ..., x2= ...),
// in the order the function record holds them, a multiple root as often as
// it is stored. Without a current polynomial or without real roots the box
// keeps what it had.
void HistoriaCalculos(rt::CajaRtf &caja);
