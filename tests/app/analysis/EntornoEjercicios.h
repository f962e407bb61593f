#pragma once
// The stage of the exercise tests: the main window started as the program
// starts it, a graph window made of three plotting surfaces, a recording
// opener standing for the hub or a road chooser, the hub's own screen
// context on the stack, and every message the student is shown, in order.
#include "CatalogoEjercicios.h"
#include "GestorVentanas.h"
#include "frmMdiCalcDife.h"
#include "frmMensaje.h"

#include "Globales.h"
#include "VentanaDibujo.h"
#include "VentanaPrincipal.h"
#include "Ventanas.h"
#include "generapoli.h"
#include "princip.h"

#include "EsperaModal.h"
#include "PictureEjes.h"
#include "RichTextBox.h"
#include "RichTextPolin.h"
#include "UCDextavo.h"
#include "Usc.h"

#include "Azar.h"
#include "Regional.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <initializer_list>
#include <memory>
#include <utility>

struct AbridorPrueba : AbridorEjercicio {
    QList<int> deshabilitadas;
    QList<int> desmarcadas;
    int todasDesmarcadas = 0;
    int caminosCerrados = 0;
    void DeshabilitaOpcion(int opcion) override { deshabilitadas << opcion; }
    void DesmarcaOpcion(int opcion) override { desmarcadas << opcion; }
    void DesmarcaOpciones() override { ++todasDesmarcadas; }
    void CierraCamino() override { ++caminosCerrados; }
};

struct GraficaPrueba : VentanaDibujo {
    PictureEjes graf, franja, panel;
    bool recorre = false;
    GraficaPrueba()
    {
        graf.resize(600, 400);
        franja.resize(600, 120);
        panel.resize(600, 80);
        graf.EscalaVentana(-5, -10, 5, 10);
    }
    PictureEjes &picejGraf() override { return graf; }
    PictureEjes &Picejegraf2() override { return franja; }
    PictureEjes &PicejeGraf3() override { return panel; }
    bool RecorreGraf() const override { return recorre; }
    void PoneRecorreGraf(bool activo) override { recorre = activo; }
};

// The text of error row n followed by texto, as the error window shows it.
inline QString Error(int n, const std::string &texto = {})
{
    return QStringLiteral("error: ") + QString::fromStdString(Errores.Texto(0, n) + texto);
}
inline QString Exito(int n)
{
    return QStringLiteral("éxito: ") + QString::fromStdString(Exitos.Texto(0, n));
}

// The graph holds a pixel of colour (0x00BBGGRR) within radio pixels of
// the world point (x, y): something was marked there.
inline bool HayMarca(const PictureEjes &graf, double x, double y, std::int32_t color, int radio = 8)
{
    const QImage &imagen = graf.Imagen();
    const QRgb buscado = qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    const int cx = graf.EscalaX(x);
    const int cy = graf.EscalaY(y);
    for (int py = cy - radio; py <= cy + radio; ++py)
        for (int px = cx - radio; px <= cx + radio; ++px)
            if (imagen.valid(px, py) && (imagen.pixel(px, py) & 0xFFFFFF) == (buscado & 0xFFFFFF))
                return true;
    return false;
}

// Processes pending events, deferred deletions included.
inline void Asienta()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Types into a polynomial box: "^" raises, "_" lowers.
inline void EscribePoli(RichTextPolin &caja, const QString &guion)
{
    caja.setFocus();
    for (QChar c : guion) {
        if (c == QLatin1Char('^'))
            QTest::keyClick(caja.Caja(), Qt::Key_Up);
        else if (c == QLatin1Char('_'))
            QTest::keyClick(caja.Caja(), Qt::Key_Down);
        else
            QTest::keyClicks(caja.Caja(), QString(c));
    }
}

inline void Escribe(UCDextavo &caja, const QString &texto)
{
    caja.Text(QString());
    QTest::keyClicks(caja.Caja(), texto);
}

inline void Pulsa(Usc &boton)
{
    QTest::mouseClick(&boton, Qt::LeftButton);
}

class EntornoEjercicios {
public:
    EntornoEjercicios()
        : m_contestador([this](QWidget &w) {
            if (auto *m = qobject_cast<frmMensaje *>(&w))
                mensajes << (m->tipo() == frmMensaje::Tipo::Error ? QStringLiteral("error: ")
                                                                   : QStringLiteral("éxito: "))
                                + m->mensaje();
            return 0;
        })
    {
        ReiniciaGlobales();
        rt::FijaSeparadorLocal('.');
        rt::SiembraAzar(17);
        principal = std::make_unique<frmMdiCalcDife>();
        principal->MDIForm_Load();
        // Only the windows of the test on stage.
        GestorVentanas::instancia().descargaTodas();
        Asienta();
        Ventanas().grafica = [this] { return static_cast<VentanaDibujo *>(&grafica); };
        // The hub's own context, below the exercise's.
        EntraPantalla(1, 2, EstadoBarra, "Quorvane: hub");
        nivelOpener = NivelPila;
        SalidasEjercicios() = {};
        mensajes.clear();
    }
    ~EntornoEjercicios()
    {
        GestorVentanas::instancia().descargaTodas();
        SalidasEjercicios() = {};
        Asienta();
        principal.reset();
        Asienta();
        PoliActual.reset();
    }

    // PoliActual for the terms (coefficient, exponent).
    static void Polinomio(std::initializer_list<std::pair<double, int>> terminos)
    {
        PoliPtr p = Collpolinomio::Nuevo();
        for (const auto &[c, e] : terminos)
            p->Agrega(c, static_cast<std::int16_t>(e));
        PoliActual = CreaFuncPolin(p);
        PoliDado = true;
    }

    template <class T> T *Abre(int concepto, Camino camino = Camino::Analitico)
    {
        if (!AbreEjercicio(concepto, camino, abridor))
            return nullptr;
        Asienta();
        return GestorVentanas::instancia().existente<T>();
    }
    template <class T> static bool Abierta() { return GestorVentanas::instancia().existente<T>() != nullptr; }

    std::unique_ptr<frmMdiCalcDife> principal;
    GraficaPrueba grafica;
    AbridorPrueba abridor;
    QStringList mensajes;
    int nivelOpener = 0;

private:
    plataforma::ContestadorPrueba m_contestador;
};
