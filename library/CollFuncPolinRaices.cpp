#include "CollFuncPolin.h"

// Real-root finder (placeholder until the search lands).
void CollFuncPolin::CalculaRaices(std::int16_t) {}
void CollFuncPolin::RaicesDirectas(PoliPtr &, std::int16_t) {}
bool CollFuncPolin::RaicesCuadrat(PoliPtr &, double &, double &) { return false; }
void CollFuncPolin::CalculaCotas(const PoliPtr &, double &, double &) {}
