#include "VentanaProblema.h"

#include "HubSesion.h"
#include "Reinicio.h"

#include "CalculoAparte.h"
#include "Globales.h"
#include "ModCadena.h"
#include "VentanaDibujo.h"
#include "VentanaPrincipal.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "PictureEjes.h"
#include "QBColor.h"

namespace {
void HabilitaMenusPrincipal(bool si)
{
    if (VentanaPrincipal *p = VentanaPrincipalActual())
        p->HabilitaMenus(si);
}
} // namespace

VentanaProblema::VentanaProblema(QWidget *parent)
    : VentanaBase(parent)
{
}

void VentanaProblema::entraPantalla(std::int16_t ayuda, std::int16_t apoyo, const std::string &titulo)
{
    m_contexto.ayuda = ayuda;
    m_contexto.apoyo = apoyo;
    m_contexto.barra = EstadoBarra;
    m_contexto.titulo = titulo;
    m_contexto.entra();
    // The hub's ways to a polynomial and its problems wait while this works.
    if (HubSesion *hub = HubAbierto())
        hub->PoneEstadoMenus(EstadoHub::CaminoAbierto);
}

void VentanaProblema::ponAyuda(std::int16_t ayuda, std::int16_t apoyo)
{
    m_contexto.ayuda = ayuda;
    m_contexto.apoyo = apoyo;
    NumAyuda = ayuda;
    NumApoyo = apoyo;
}

void VentanaProblema::pidePoliAlumno()
{
    ModoAlgebra = false;
    HabilitaMenusPrincipal(false);
    if (AbrePidePoli())
        AbrePidePoli()(*this);
}

void VentanaProblema::recibePolinomio(const PoliPtr &p)
{
    PoliActual = RegistroAparte(p);
    PoliDado = true;
}

void VentanaProblema::sinPolinomio()
{
    HabilitaMenusPrincipal(true);
}

void VentanaProblema::alActivar()
{
    m_contexto.aplica();
    // A polynomial is taken once: a later activation leaves the work alone.
    if (PoliDado) {
        PoliDado = false;
        HabilitaMenusPrincipal(true);
        alRecibirPolinomio();
    }
}

PictureEjes *VentanaProblema::superficie()
{
    VentanaDibujo *g = VentanaGraficaActual();
    return g ? &g->picejGraf() : nullptr;
}

PictureEjes *VentanaProblema::muestraGrafica()
{
    VentanaDibujo *g = VentanaGraficaActual();
    if (!g)
        return nullptr;
    g->MuestraGrafica();
    g->picejGraf().Limpia();
    return &g->picejGraf();
}

void VentanaProblema::errorConDestello(const Collpolinomio &q, std::int16_t n)
{
    // Drawn twice by exclusive-or: the second drawing takes the first away.
    PictureEjes *graf = superficie();
    if (graf)
        GraficaPolinomio(q, *graf, rt::QBColor(5), 7);
    MuestraError("", n);
    if (graf)
        GraficaPolinomio(q, *graf, rt::QBColor(5), 7);
}

void VentanaProblema::sale()
{
    if (m_saliendo)
        return;
    m_saliendo = true;
    // A polynomial still being typed for this window goes with it.
    if (CierraPidePoliDe())
        CierraPidePoliDe()(*this);
    if (VentanaDibujo *g = VentanaGraficaActual())
        g->RestauraDiseno();
    PoliActual.reset();
    PoliDado = false;
    PidePoliDesdeEjercicio = false;
    HabilitaMenusPrincipal(true);
    if (HubSesion *hub = HubAbierto())
        hub->MuestraLogos();
    m_contexto.sale();
    descarga();
}

void VentanaProblema::reinicia()
{
    RegresaAlInicio();
}

bool VentanaProblema::alPedirDescarga()
{
    if (m_saliendo)
        return true;
    sale();
    return false;
}

void VentanaProblema::alDescargar()
{
    m_contexto.sale();
    PidePoliDesdeEjercicio = false;
}
