#include "Globales.h"

#include "Ventanas.h"
#include "dibujo.h"
#include "generapoli.h"

#include <map>

FuncPolinPtr PoliActual;
PoliPtr PoliPropuesto;
PoliPtr PoliRespuesta1;
PoliPtr PoliRespuesta2;

std::array<bool, NumConceptos> ConceptoResuelto{};
std::int16_t ConceptoActual = 0;
bool PoliDado = false;

bool ModoAlgebra = false;
bool ModoGrafCualidades = false;
bool PidePoliDesdeEjercicio = false;
bool HistoriaAbierta = false;
bool ErrorPoli = false;

std::int16_t NumAyuda = 0;
std::int16_t NumApoyo = 0;
std::array<bool, 10> EstadoBarra{};
int NivelPila = 0;
std::vector<ContextoPantalla> PilaPantallas;

std::string PasoGuia;
std::string PaginaGuia;
std::string DireccionGuia;

std::string SeparadorDecimal = ".";

int AnchoPantalla = 0;
int AltoPantalla = 0;
int AltoUtil = 0;
int AnchoPanel = 0;
int IzqGrafica = 0;
bool Pantalla1024 = false;
bool PantallaMayor = false;

TablaTextos Errores;
TablaTextos Exitos;
TablaTextos ListaApoyos;
TablaTextos ListaSaltos;

std::string ArchivoApoyo;
std::string ArchivoAyuda;

namespace {
std::map<std::string, std::function<void()>> &Olvidos()
{
    static std::map<std::string, std::function<void()>> olvidos;
    return olvidos;
}
} // namespace

void ReiniciaGlobales()
{
    PoliActual.reset();
    PoliPropuesto.reset();
    PoliRespuesta1.reset();
    PoliRespuesta2.reset();
    ConceptoResuelto.fill(false);
    ConceptoActual = 0;
    PoliDado = false;
    ModoAlgebra = false;
    ModoGrafCualidades = PidePoliDesdeEjercicio = HistoriaAbierta = ErrorPoli = false;
    NumAyuda = NumApoyo = 0;
    EstadoBarra.fill(true);
    NivelPila = 0;
    PilaPantallas.clear();
    PasoGuia.clear();
    PaginaGuia.clear();
    DireccionGuia.clear();
    SeparadorDecimal.assign(1, '.');
    AnchoPantalla = AltoPantalla = AltoUtil = AnchoPanel = IzqGrafica = 0;
    Pantalla1024 = PantallaMayor = false;
    Errores.Limpia();
    Exitos.Limpia();
    ListaApoyos.Limpia();
    ListaSaltos.Limpia();
    ArchivoApoyo.clear();
    ArchivoAyuda.clear();
    PoliAzar.reset();
    Ventanas() = {};
    OlvidaLeyendas();
    for (const auto &[nombre, olvida] : Olvidos())
        olvida();
}

void RegistraOlvido(const std::string &nombre, std::function<void()> olvida)
{
    Olvidos()[nombre] = std::move(olvida);
}
