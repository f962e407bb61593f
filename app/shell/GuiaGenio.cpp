#include "GuiaGenio.h"

#include "GestorVentanas.h"
#include "HubSesion.h"
#include "frmBrowser.h"
#include "frmDoyPoli.h"
#include "frmMdiCalcDife.h"
#include "frmpidepoli.h"

#include "Globales.h"
#include "Personaje.h"
#include "Voz.h"

#include "Usc.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstdint>

namespace {
// Where the character waits while it is not guiding.
constexpr int kEsperaX = 70;
constexpr int kEsperaY = 70;
// The room it takes at the screen's bottom right.
constexpr int kRinconAncho = 140;
constexpr int kRinconAlto = 240;

QString Q(const char *texto)
{
    return QString::fromUtf8(texto);
}

// The button to click next in the to-order window, as it stands when the
// sentence is said; empty while neither is on.
QString BotonAOrden()
{
    const frmDoyPoli *aOrden = GestorVentanas::instancia().existente<frmDoyPoli>();
    if (!aOrden)
        return {};
    if (aOrden->CmdPasa()->Enabled())
        return Q("Da click en [Continuar]");
    if (aOrden->cmdListo()->Enabled())
        return Q("Da click en [Listo] y [Continuar]");
    return {};
}

// The next step in the window where the polynomial is being given, as it
// stands when the sentence is said.
QString PasoParaDarlo()
{
    auto &gestor = GestorVentanas::instancia();
    if (gestor.existente<frmDoyPoli>()) {
        const QString boton = BotonAOrden();
        return boton.isEmpty() ? Q("Elige el grado, la paridad y las cualidades que desees") : boton;
    }
    if (const frmpidepoli *entrada = gestor.existente<frmpidepoli>())
        return entrada->CmdContinuar()->isVisible() ? Q("Da click en [Continuar]")
                                                     : Q("Escríbelo y da click en [Aceptar]");
    return {};
}
} // namespace

GuiaGenio::GuiaGenio(frmMdiCalcDife &principal)
    : m_principal(principal)
{
}

GuiaGenio::~GuiaGenio() = default;

QList<ComandoPersonaje> GuiaGenio::ListaInicio()
{
    return {
        {Q("genio"), Q("Guíame genio, ¿qué es lo que sigue?"), Q("...genio")},
        {Q("adios"), Q("Desaparece"), Q("...adios")},
    };
}

QList<ComandoPersonaje> GuiaGenio::ListaEleccion()
{
    return {
        {Q("construir"), Q("Te ayudo a construir la gráfica"), Q("...genio")},
        {Q("historia"), Q("Te muestro la gráfica y sus cualidades"), Q("...genio")},
        {Q("adios"), Q("Desaparece"), Q("...adios")},
    };
}

void GuiaGenio::carga()
{
    // The voice is made when the character first speaks.
    m_personaje = std::make_unique<Personaje>(Personaje::FabricaVoz(FabricaDeVoz()), &m_principal);
    QObject::connect(m_personaje.get(), &Personaje::clic, &m_principal,
                     [this](int boton) { m_principal.Agent1_Click(QStringLiteral("genie"), boton, 0, 0, 0); });
    QObject::connect(m_personaje.get(), &Personaje::comando, &m_principal,
                     [this](const QString &nombre) { m_principal.Agent1_Command(nombre); });
    QObject::connect(m_personaje.get(), &Personaje::marca, &m_principal,
                     [this](int numero) { m_principal.Agent1_Bookmark(numero); });
    ponComandos(ListaInicio());
    PasoGuia = "Rollo";
    m_asistenteListo = true;
    m_personaje->mueveA(kEsperaX, kEsperaY);
}

void GuiaGenio::ponComandos(const QList<ComandoPersonaje> &lista)
{
    m_personaje->quitaComandos();
    for (const ComandoPersonaje &c : lista)
        m_personaje->agregaComando(c);
}

void GuiaGenio::mnuAyudante_Click()
{
    if (!m_personaje)
        return;
    m_personaje->muestra();
    m_personaje->habla(Q("Hola | Soy el ayudante de Quorvane "));
    m_personaje->habla(Q("¿Deseas que te guie o incursionas solo?"));
    m_personaje->habla(Q("Da un click con el botón derecho sobre mí, para elegir"));
}

void GuiaGenio::Agent1_Click(const QString &, int boton, int, int, int)
{
    if (boton != 1 || m_asistenteListo)
        return;
    m_personaje->oculta();
    m_personaje->quitaComandos();
    m_personaje->mueveA(kEsperaX, kEsperaY);
    ponComandos(ListaInicio());
    PasoGuia = "Rollo";
    m_asistenteListo = true;
}

void GuiaGenio::Agent1_Bookmark(long numero)
{
    if (numero != 100)
        return;
    PaginaGuia = "1";
    abreNavegador();
}

void GuiaGenio::Agent1_Command(const QString &nombre)
{
    if (!m_personaje)
        return;
    if (nombre == QLatin1String("genio")) {
        comandoGenio();
    } else if (nombre == QLatin1String("construir")) {
        pideAlHub(3);
    } else if (nombre == QLatin1String("historia")) {
        pideAlHub(4);
    } else if (nombre == QLatin1String("adios")) {
        // It goes now: nothing it still had to say is said.
        m_personaje->calla();
        m_personaje->actua(Q("decline"));
        m_personaje->actua(Q("suggest"));
        m_personaje->actua(Q("wave"));
        m_personaje->oculta();
        m_personaje->mueveA(kEsperaX, kEsperaY);
        PasoGuia = "Rollo";
        cierraNavegador();
    } else {
        m_personaje->actua(Q("Confused"));
    }
}

void GuiaGenio::comandoGenio()
{
    // The screen's bottom right, within what the desktop leaves to windows.
    QScreen *pantalla = m_principal.screen() ? m_principal.screen() : QGuiApplication::primaryScreen();
    const QRect util = pantalla ? pantalla->availableGeometry() : QRect(0, 0, 1024, 768);
    m_personaje->mueveA(util.right() + 1 - kRinconAncho, util.bottom() + 1 - kRinconAlto);
    m_personaje->actua(Q("congratulate"));
    cierraNavegador();

    if (PasoGuia == "Rollo") {
        PaginaGuia = "1";
        abreNavegador();
        PasoGuia = "polinomio";
        m_personaje->habla(Q("Leyendo estas páginas te darás cuenta de por qué es importante conocer la gráfica de "
                             "una función"));
    } else if (PasoGuia == "polinomio") {
        if (const FaltaHub falta = abreHub(2); falta == FaltaHub::OtroPolinomio) {
            // The polynomial is already there: on to building its graph.
            m_personaje->habla(Q("Ya tienes un polinomio"));
            PasoGuia = "raices";
            pasoRaices();
            return;
        } else if (falta != FaltaHub::Nada) {
            // The to-order window did not open: the step waits.
            diQueFalta(falta);
            return;
        }
        m_personaje->habla(Q("Para dar un polinomio,  elige primero el grado, después la paridad y por último las "
                             "cualidades que desees "));
        // Only a button the student can click now.
        m_personaje->hablaSegun(BotonAOrden);
        m_personaje->habla(Q("Al terminar da un click con el botón derecho, ya sabes como"));
        PaginaGuia = "2";
        ponComandos(ListaEleccion());
        m_asistenteListo = true;
    } else if (PasoGuia == "instrucciones") {
        abreNavegador();
        m_personaje->habla(Q("Si necesitas más ayuda selecciona la Ayuda o el Apoyo"));
        m_personaje->habla(Q("Ahora continúas solo"));
    } else if (PasoGuia == "raices") {
        pasoRaices();
    }
}

void GuiaGenio::pasoRaices()
{
    if (!PoliActual) {
        // The construction needs a polynomial: the hub comes forward for
        // the student to give one, and nothing is started.
        abreHub(0);
        m_personaje->habla(Q("necesitas dar un polinomio para poder seguir"));
        return;
    }
    if (const FaltaHub falta = abreHub(3); falta != FaltaHub::Nada) {
        diQueFalta(falta);
        return;
    }
    m_personaje->habla(Q("Primero calcula las raíces"));
    m_personaje->habla(Q("Ya sabes que hacer para continuar"));
}

void GuiaGenio::pideAlHub(std::uint8_t accion)
{
    if (!PoliDado || !PoliActual) {
        m_personaje->habla(Q("necesitas dar un polinomio para poder seguir"));
        m_personaje->habla(Q("¡Termina de darlo!"));
        diPasoParaDarlo();
        return;
    }
    if (const FaltaHub falta = abreHub(accion); falta != FaltaHub::Nada) {
        // Nothing started: the tour goes on once the student has done it.
        diQueFalta(falta);
        return;
    }
    if (accion == 3) {
        m_personaje->habla(Q("Primero calcula las raíces"));
        m_personaje->habla(Q("Ahora puedes continuar tú solo"));
        m_personaje->habla(Q("Si necesitas usa la ayuda o el apoyo"));
    } else {
        m_personaje->habla(Q("Haz click en la pestaña respectiva para ver las cualidades de la gráfica"));
        m_personaje->habla(Q("Ahora puedes continuar tú solo"));
    }
    // The character stays in view with its choices: the student may ask
    // again (or send it away with "Desaparece").
}

FaltaHub GuiaGenio::abreHub(std::uint8_t accion)
{
    // The session opens (or comes forward as it stands); the hub runs the
    // action now if it is in front, else when it next is.
    m_principal.mnupoli_Click();
    if (accion != 0)
        if (HubSesion *hub = HubAbierto())
            return hub->PideAccion(accion);
    return FaltaHub::Nada;
}

void GuiaGenio::diPasoParaDarlo()
{
    // Made when it is said: the student may have gone on meanwhile.
    m_personaje->hablaSegun(PasoParaDarlo);
}

void GuiaGenio::diQueFalta(FaltaHub falta)
{
    switch (falta) {
    case FaltaHub::Nada:
        break;
    case FaltaHub::Polinomio:
        m_personaje->habla(Q("necesitas dar un polinomio para poder seguir"));
        break;
    case FaltaHub::DandoPolinomio:
        m_personaje->habla(Q("Primero termina de dar tu polinomio"));
        diPasoParaDarlo();
        break;
    case FaltaHub::Construccion:
        m_personaje->habla(Q("Ya estás construyendo la gráfica"));
        m_personaje->habla(Q("Termina los conceptos, o da click en [Cancelar] para dejar la construcción"));
        break;
    case FaltaHub::Ventana:
        m_personaje->habla(Q("Primero termina o cierra la ventana en la que estás trabajando"));
        break;
    case FaltaHub::Resumen:
        m_personaje->habla(Q("Primero da click en [Regresar] para cerrar las cualidades de la gráfica"));
        break;
    case FaltaHub::OtroPolinomio:
        m_personaje->habla(Q("Ya tienes un polinomio"));
        m_personaje->habla(Q("Para dar otro, elige [Salida] y [Regresar a proponer un polinomio]"));
        break;
    }
}

void GuiaGenio::abreNavegador()
{
    auto &gestor = GestorVentanas::instancia();
    gestor.muestra(gestor.ventana<frmBrowser>());
}

void GuiaGenio::cierraNavegador()
{
    GestorVentanas::instancia().descarga<frmBrowser>();
}
