#pragma once
// The uniform random generator: each draw is a 32-bit float 0 <= r < 1.
// The program seeds it from the clock; tests either seed it or queue the
// exact draws they want (queued draws are served first).
#include <cstdint>
#include <initializer_list>

namespace rt {

float Rnd();
void Randomize();                        // seed from the clock
void SiembraAzar(std::uint32_t semilla); // repeatable sequence
void ProgramaAzar(std::initializer_list<float> sorteos); // queue exact draws
void OlvidaAzarProgramado();             // drop queued draws

// Whole number 1..n (Int(n*r)+1) and 0..n-1 (Int(n*r)) from one draw.
int EnteroAzar1(int n);
int EnteroAzar0(int n);

} // namespace rt
