#include "RegistroVentanas.h"

#include "AbridoresHub.h"
#include "AyudaLibro.h"
#include "CatalogoEjercicios.h"
#include "HubSesion.h"
#include "LlamadorPolinomio.h"
#include "SelectorConstruccion.h"
#include "VentanasGraficas.h"
#include "GestorVentanas.h"
#include "frmAnuncio.h"
#include "frmApoyoRtf.h"
#include "frmAyuda.h"
#include "frmGrafica2.h"
#include "frmHistoria.h"
#include "frmPolical.h"
#include "frmZoom.h"
#include "frmcalculadora.h"
#include "frmpidepoli.h"
#include "frmMdiCalcDife.h"
#include "frmMensaje.h"

#include "Globales.h"
#include "RutaPrograma.h"
#include "VentanaPrincipal.h"
#include "Ventanas.h"

#include <QAction>
#include <QGuiApplication>
#include <QMdiArea>
#include <QPointer>
#include <QScreen>
#include <QToolBar>
#include <cmath>

namespace {

// The main window as the shared routines see it.
class PrincipalAdaptador : public VentanaPrincipal {
public:
    explicit PrincipalAdaptador(frmMdiCalcDife &v) : m_v(&v) {}

    std::string Titulo() const override { return m_v ? m_v->windowTitle().toStdString() : std::string(); }
    void PoneTitulo(const std::string &titulo) override
    {
        if (m_v)
            m_v->setWindowTitle(QString::fromStdString(titulo));
    }
    bool BotonHabilitado(int boton) const override
    {
        QAction *a = m_v ? m_v->boton(boton) : nullptr;
        return a && a->isEnabled();
    }
    void HabilitaBoton(int boton, bool habilitado) override
    {
        if (QAction *a = m_v ? m_v->boton(boton) : nullptr)
            a->setEnabled(habilitado);
    }
    // The window's inner size (menu bar, toolbar and work area); the
    // routines take the usable height as this less 1.9 toolbar heights.
    int Ancho() const override { return m_v ? m_v->width() : 0; }
    int Alto() const override { return m_v ? m_v->height() : 0; }
    int AltoBarra() const override { return m_v ? m_v->Tlbpoli()->height() : 0; }
    int AnchoEscritorio() const override
    {
        QScreen *s = QGuiApplication::primaryScreen();
        return s ? s->geometry().width() : 0;
    }
    void HabilitaMenus(bool si) override
    {
        if (m_v)
            m_v->habilitaMenus(si);
    }

private:
    QPointer<frmMdiCalcDife> m_v;
};

QPointer<frmMensaje> g_error;
QPointer<frmMensaje> g_exito;
QPointer<frmAnuncio> g_anuncio;
std::unique_ptr<PrincipalAdaptador> g_principal;
QPointer<frmMdiCalcDife> g_ventanaPrincipal;

} // namespace

void RegistraVentanasPrograma(frmMdiCalcDife &principal)
{
    g_ventanaPrincipal = &principal;
    g_principal = std::make_unique<PrincipalAdaptador>(principal);
    ProveedoresVentanas &v = Ventanas();
    v.principal = [] { return static_cast<VentanaPrincipal *>(g_principal.get()); };
    v.error = []() -> VentanaMensaje * {
        if (!g_error)
            g_error = new frmMensaje(frmMensaje::Tipo::Error, g_ventanaPrincipal);
        return g_error;
    };
    v.exito = []() -> VentanaMensaje * {
        if (!g_exito)
            g_exito = new frmMensaje(frmMensaje::Tipo::Exito, g_ventanaPrincipal);
        return g_exito;
    };
    v.anuncio = [] {
        if (!g_ventanaPrincipal)
            return;
        if (!g_anuncio)
            g_anuncio = new frmAnuncio(g_ventanaPrincipal->area()->viewport());
        g_anuncio->muestra();
    };
    v.grafica = []() -> VentanaDibujo * {
        return GestorVentanas::instancia().existente<frmGrafica2>();
    };
    v.escalaZoomValida = [] {
        const frmZoom *zoom = frmZoom::Existente();
        return zoom && zoom->ValidaNuevaEscala;
    };
    v.pidePolinomio = [](int izquierda) {
        auto &gestor = GestorVentanas::instancia();
        frmpidepoli *w = gestor.ventana<frmpidepoli>();
        QWidget *marco = gestor.marcoDe(w);
        marco->move(izquierda, marco->y());
        gestor.muestra(w);
    };
    v.cierraPidePolinomio = [] { GestorVentanas::instancia().descarga<frmpidepoli>(); };
    // An exercise left for another polynomial: the hub and the graph
    // window come back new, the hub waiting for a polynomial.
    RegistraOlvido("ejercicios", OlvidaEjercicios);
    RegistraOlvido("pidePoli", [] {
        AbrePidePoli() = {};
        CierraPidePoliDe() = {};
    });
    RegistraOlvido("abridoresHub", OlvidaAbridoresHub);
    RegistraOlvido("hub", [] { ProveedorHub() = {}; });
    SalidasEjercicios().otroPolinomio = [] { frmPolical::OtroPolinomio(); };
    AbrePidePoli() = [](LlamadorPolinomio &llamador) { frmpidepoli::AbrePara(llamador); };
    CierraPidePoliDe() = [](LlamadorPolinomio &llamador) {
        if (frmpidepoli *w = GestorVentanas::instancia().existente<frmpidepoli>(); w && w->llamador() == &llamador)
            w->cmdCancelar_Click();
    };
    ProveedorHub() = []() -> HubSesion * { return GestorVentanas::instancia().existente<frmPolical>(); };
    RegistraAbridorHub(QStringLiteral("frmHistoria"), [] { frmHistoria::AbreResumen(); });
    RegistraEjerciciosAnalisis();
    RegistraAbridorHub(QStringLiteral("mnuConceptos"), AbreSelectorConstruccion);
    RegistraAbridorHub(QStringLiteral("mnuIdentificoGrafis"), AbreIdentifica);
    RegistraAbridorHub(QStringLiteral("mnuRectang"), AbreRectaTangente);
    RegistraAbridorHub(QStringLiteral("mnuRectaNormal"), AbreRectaNormal);
    RegistraAbridorHub(QStringLiteral("mnuDoyGrafiPoli"), AbreGrafiConcepto);
    RegistraAbridorHub(QStringLiteral("mnuGrafiDeri"), AbreGrafiDeri);
}

void AbreSesion(frmMdiCalcDife &)
{
    auto &gestor = GestorVentanas::instancia();
    // One session at a time: while one is open it comes to the front as
    // it stands (the window in front stays in front).
    if (frmPolical *abierto = gestor.existente<frmPolical>()) {
        if (frmGrafica2 *g = gestor.existente<frmGrafica2>())
            gestor.marcoDe(g)->show();
        VentanaBase *frente = gestor.actual();
        gestor.muestra(frente ? frente : abierto);
        return;
    }
    const bool graficaNueva = !gestor.existente<frmGrafica2>();
    frmGrafica2 *grafica = gestor.ventana<frmGrafica2>();
    if (!graficaNueva)
        grafica->coloca(AnchoPanel, 0, IzqGrafica, AltoUtil);
    gestor.muestra(grafica);
    grafica->MuestraAnuncio();

    frmPolical *hub = gestor.ventana<frmPolical>();
    gestor.muestra(hub);
    hub->MuestraLogos();
    hub->alActivar();
}

void AccionBarra(frmMdiCalcDife &, const QString &clave)
{
    if (clave == QLatin1String("zoom")) {
        // Nothing to look at closer without a current polynomial.
        if (!PoliActual || !PoliActual->Polin())
            return;
        frmZoom::AbrePolinomios({PoliActual->Polin()});
    } else if (clave == QLatin1String("ayuda")) {
        frmAyuda::AbreTema(NumAyuda);
    } else if (clave == QLatin1String("apoyo")) {
        frmApoyoRtf::Abre(NumApoyo);
    } else if (clave == QLatin1String("pasado")) {
        frmHistoria::AbreResueltos();
    } else if (clave == QLatin1String("calculadora")) {
        frmcalculadora::Abre();
    } else if (clave == QLatin1String("texto")) {
        frmHistoria::ApartaParaLibro();
        // The reference book opens at its first topic.
        ArchivoAyuda = LibroAyudaPrograma();
        PoneArchivoAyuda(ArchivoAyuda);
        MuestraAyuda(1);
    }
}

void CierraVentanasSueltas()
{
    delete g_error;
    delete g_exito;
    delete g_anuncio;
}
