#include "princip.h"

#include "CajaMensaje.h"
#include "Globales.h"
#include "LlamadasVentana.h"
#include "Modarch.h"
#include "VentanaPrincipal.h"
#include "Ventanas.h"

#include "Azar.h"
#include "Entero16.h"
#include "Regional.h"

#include <QString>

namespace {
constexpr const char *TituloInicial = "Quorvane";
// Buttons that the start context disables.
constexpr int BotonesApagadosAlInicio[] = {2, 3, 4, 7, 8};

ContextoPantalla ContextoInicial()
{
    ContextoPantalla c;
    c.ayuda = 0;
    c.apoyo = 1;
    c.barra = EstadoBarra;
    for (int i : BotonesApagadosAlInicio)
        c.barra[static_cast<std::size_t>(i)] = false;
    c.titulo = TituloInicial;
    return c;
}

void Aplica(const ContextoPantalla &c)
{
    if (VentanaPrincipal *v = VentanaPrincipalActual()) {
        for (int i = 1; i <= NumBotonesBarra; ++i)
            v->HabilitaBoton(i, c.barra[static_cast<std::size_t>(i)]);
        v->PoneTitulo(c.titulo);
    }
    NumAyuda = c.ayuda;
    NumApoyo = c.apoyo;
}

ContextoPantalla ContextoEnVigor()
{
    ContextoPantalla c;
    if (const VentanaPrincipal *v = VentanaPrincipalActual()) {
        for (int i = 1; i <= NumBotonesBarra; ++i)
            c.barra[static_cast<std::size_t>(i)] = v->BotonHabilitado(i);
        c.titulo = v->Titulo();
    }
    c.ayuda = NumAyuda;
    c.apoyo = NumApoyo;
    return c;
}

struct TablaInicial {
    bool (*lector)(std::string_view, TablaTextos &);
    const char *archivo;
    TablaTextos *tabla;
    const char *mensaje;
    int ultimaUsada; // the table must reach this row
};
} // namespace

void TomaMedidas()
{
    const VentanaPrincipal *v = VentanaPrincipalActual();
    if (!v)
        return;
    AnchoPantalla = v->Ancho();
    AltoPantalla = v->Alto();
    AltoUtil = rt::CLng(AltoPantalla - 1.9 * v->AltoBarra());
    AnchoPanel = rt::CLng(AnchoPantalla * 0.4);
    IzqGrafica = AnchoPantalla - AnchoPanel;
    const int anchoEscritorio = v->AnchoEscritorio();
    Pantalla1024 = anchoEscritorio == 1024;
    if (anchoEscritorio > 1024)
        PantallaMayor = true;
}

bool Inicia()
{
    SeparadorDecimal.assign(1, rt::SeparadorDecimal());
    TomaMedidas();
    EstadoBarra.fill(true);
    NivelPila = 0;
    PilaPantallas.assign(1, ContextoInicial());

    const TablaInicial tablas[] = {
        {LeeTablaPares, "\\apoyo\\ListaApoyos.txt", &ListaApoyos,
         "No se pudo encontrar el archivo ListaApoyos", 0},
        {LeeTablaPares, "\\apoyo\\listaSaltos.txt", &ListaSaltos,
         "No se pudo encontrar el archivo ListaSaltos", 0},
        {LeeTablaIndexada, "\\Errores y Exitos\\Errores.txt", &Errores,
         "No se pudo encontrar el archivo de errores", UltimoErrorUsado},
        {LeeTablaIndexada, "\\Errores y Exitos\\Exitos.txt", &Exitos,
         "No se pudo encontrar el archivo de exitos", UltimoExitoUsado},
    };
    for (const TablaInicial &t : tablas) {
        if (!t.lector(t.archivo, *t.tabla) || t.tabla->UltimaFila() < t.ultimaUsada) {
            plataforma::CajaMensaje(QString::fromUtf8(t.mensaje),
                                    plataforma::CajaSoloAceptar | plataforma::CajaIconoAlto,
                                    QStringLiteral("ERRor Fatal"));
            return false;
        }
    }
    return true;
}

bool ArranquePrograma()
{
    if (!Inicia())
        return false;
    RegresaPantalla(0);
    rt::Randomize();
    return true;
}

void EntraPantalla(std::int16_t ayuda, std::int16_t apoyo, const std::array<bool, 10> &habilitados,
                   const std::string &titulo)
{
    if (PilaPantallas.empty())
        PilaPantallas.assign(1, ContextoInicial());
    ++NivelPila;
    if (PilaPantallas.size() <= static_cast<std::size_t>(NivelPila))
        PilaPantallas.resize(static_cast<std::size_t>(NivelPila) + 1);
    PilaPantallas[static_cast<std::size_t>(NivelPila)] = ContextoEnVigor();

    ContextoPantalla nuevo;
    nuevo.ayuda = ayuda;
    nuevo.apoyo = apoyo;
    nuevo.barra = habilitados;
    nuevo.titulo = titulo;
    Aplica(nuevo);
}

void RegresaPantalla(int niveles)
{
    if (niveles == 0) {
        NivelPila = 0;
        for (int i : BotonesApagadosAlInicio)
            EstadoBarra[static_cast<std::size_t>(i)] = false;
        // The start context lies under every level, so that no pop can go
        // below it; applying it first makes the push below save it too.
        PilaPantallas.assign(1, ContextoInicial());
        Aplica(PilaPantallas.front());
        if (Ventanas().anuncio)
            Ventanas().anuncio();
        EntraPantalla(0, 1, EstadoBarra, TituloInicial);
        ConceptoResuelto.fill(false);
        ConceptoActual = 0;
        return;
    }
    if (PilaPantallas.empty())
        PilaPantallas.assign(1, ContextoInicial());
    for (int i = 0; i < niveles; ++i) {
        Aplica(PilaPantallas[static_cast<std::size_t>(NivelPila)]);
        if (NivelPila > 0)
            --NivelPila;
    }
}

QPoint PuntoCentral(int izquierda, int arriba, int derecha, int abajo)
{
    const double x = (static_cast<double>(izquierda) + derecha) / 2.0;
    const double y = (static_cast<double>(arriba) + abajo) / 2.0;
    return QPoint(rt::CLng(x), rt::CLng(y));
}

void CentraCursor(QWidget &ventana)
{
    const plataforma::RectanguloPantalla r = plataforma::RectanguloVentana(ventana);
    plataforma::MueveCursor(PuntoCentral(r.izquierda, r.arriba, r.derecha, r.abajo));
}
