#include "Azar.h"

#include <chrono>
#include <cmath>
#include <deque>
#include <random>

namespace rt {

namespace {
std::mt19937 &motor()
{
    static std::mt19937 m(12345u);
    return m;
}
std::deque<float> &programados()
{
    static std::deque<float> d;
    return d;
}
} // namespace

float Rnd()
{
    auto &cola = programados();
    if (!cola.empty()) {
        const float r = cola.front();
        cola.pop_front();
        return r;
    }
    // 24 random bits give every float step of [0, 1) and never 1.
    const std::uint32_t bits = motor()() >> 8;
    return static_cast<float>(bits) / 16777216.0f;
}

void Randomize()
{
    const auto t = std::chrono::steady_clock::now().time_since_epoch().count();
    motor().seed(static_cast<std::uint32_t>(t ^ (t >> 32)));
}

void SiembraAzar(std::uint32_t semilla) { motor().seed(semilla); }

void ProgramaAzar(std::initializer_list<float> sorteos)
{
    for (float r : sorteos)
        programados().push_back(r);
}

void OlvidaAzarProgramado() { programados().clear(); }

int EnteroAzar1(int n) { return static_cast<int>(std::floor(n * static_cast<double>(Rnd()))) + 1; }

int EnteroAzar0(int n) { return static_cast<int>(std::floor(n * static_cast<double>(Rnd()))); }

} // namespace rt
