#pragma once
// A session as the student starts it: the real main window loaded with the
// program's own tables, the cover closed, "&Iniciar sesión en Quorvane"
// chosen. Every message window is answered at once and its text recorded;
// a test may look at the screen while a message is up (alMensaje).
#include "GestorVentanas.h"
#include "RegistroVentanas.h"
#include "frmGrafica2.h"
#include "frmMdiCalcDife.h"
#include "frmMensaje.h"
#include "frmPolical.h"
#include "frmPortada.h"
#include "frmpidepoli.h"

#include "Globales.h"
#include "RutaPrograma.h"

#include "Azar.h"
#include "EsperaModal.h"
#include "Regional.h"
#include "RichTextBox.h"
#include "RichTextPolin.h"
#include "Usc.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>

#include <functional>
#include <memory>

struct SesionPrueba {
    QStringList mensajes;                     // texts of the messages shown, in order
    std::function<void()> alMensaje;          // runs while a message is up
    plataforma::ContestadorPrueba cajas{[this](QWidget &w) {
        if (auto *m = qobject_cast<frmMensaje *>(&w))
            mensajes << m->mensaje();
        if (alMensaje)
            alMensaje();
        return 0;
    }};
    std::unique_ptr<frmMdiCalcDife> principal;

    SesionPrueba()
    {
        ReiniciaGlobales();
        rt::SiembraAzar(11);
        rt::OlvidaAzarProgramado();
        rt::FijaSeparadorLocal('.');
        FijaCarpetaPrograma({});
        principal = std::make_unique<frmMdiCalcDife>();
        principal->resize(1024, 700);
        // A program that cannot start leaves no hub to drive: say why
        // rather than fail later on a missing window.
        if (!principal->MDIForm_Load())
            qFatal("El programa no arrancó: %s", qPrintable(cajas.Textos().join(QStringLiteral(" | "))));
        if (frmPortada *portada = GestorVentanas::instancia().existente<frmPortada>())
            portada->cmdCancelar_Click();
        Suelta();
        principal->mnupoli_Click();
        mensajes.clear();
    }
    ~SesionPrueba()
    {
        if (principal)
            principal->mnuSalida_Click();
        principal.reset();
        Suelta();
    }

    static void Suelta() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    template <class T> static T *Ventana() { return GestorVentanas::instancia().existente<T>(); }
    static frmPolical *Hub() { return Ventana<frmPolical>(); }
    static frmGrafica2 *Grafica() { return Ventana<frmGrafica2>(); }

    // The text of error row n as the error window shows it.
    static QString Error(int n) { return QString::fromStdString(Errores.Texto(0, n)); }

    // Types a polynomial as the entry box takes it: "^" raises the digits
    // that follow, any other character comes back to normal size.
    static void Escribe(RichTextPolin &caja, const QString &texto)
    {
        bool arriba = false;
        for (QChar c : texto) {
            if (c == QLatin1Char('^')) {
                QTest::keyClick(caja.Caja(), Qt::Key_Up);
                arriba = true;
                continue;
            }
            if (arriba && !c.isDigit()) {
                QTest::keyClick(caja.Caja(), Qt::Key_Down);
                arriba = false;
            }
            QTest::keyClicks(caja.Caja(), QString(c));
        }
        if (arriba)
            QTest::keyClick(caja.Caja(), Qt::Key_Down);
    }

    static void Pulsa(Usc *boton) { QTest::mouseClick(boton, Qt::LeftButton); }

    // "El &usuario propone un polinomio", the text typed and Enter pressed.
    frmpidepoli *Propone(const QString &texto)
    {
        Hub()->mnutupropo()->trigger();
        frmpidepoli *w = Ventana<frmpidepoli>();
        if (w) {
            Escribe(*w->RtpPidepoli1(), texto);
            QTest::keyClick(w->RtpPidepoli1()->Caja(), Qt::Key_Return);
        }
        return w;
    }
    // The ways out every window above the hub shares: "caja" (its close
    // box), "hub: Regresar a Inicio", "hub: caja" (the hub's close box
    // behind it) and "Salida" (the main window's). False for any other.
    bool SaleComun(const QString &salida, VentanaBase &ventana)
    {
        auto &gestor = GestorVentanas::instancia();
        if (salida == QLatin1String("caja"))
            gestor.marcoDe(&ventana)->close();
        else if (salida == QLatin1String("hub: Regresar a Inicio"))
            Hub()->mnuRegInicio()->trigger();
        else if (salida == QLatin1String("hub: caja"))
            gestor.marcoDe(Hub())->close();
        else if (salida == QLatin1String("Salida"))
            principal->mnuSalida_Click();
        else
            return false;
        return true;
    }

    // The whole road: proposed, accepted, "Continuar".
    void DaPolinomio(const QString &texto)
    {
        frmpidepoli *w = Propone(texto);
        QVERIFY(w);
        QVERIFY(w->CmdContinuar()->isVisible());
        Pulsa(w->CmdContinuar());
        Suelta();
    }
};
