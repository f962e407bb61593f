#pragma once
// The program as a test starts it: fresh shared state, the program's own
// data folder, a seeded random generator, the real main window loaded, and
// every modal wait (message boxes, feedback windows, credits) answered by
// whatever the test puts in `respuesta` (nothing pressed by default).
#include "GestorVentanas.h"
#include "frmAnuncio.h"
#include "frmMdiCalcDife.h"
#include "frmPortada.h"

#include "Usc.h"

#include "Globales.h"
#include "RutaPrograma.h"

#include "Azar.h"
#include "EsperaModal.h"
#include "Regional.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMenu>
#include <QTest>

#include <functional>
#include <memory>

struct ArranquePrueba {
    std::function<int(QWidget &)> respuesta;
    plataforma::ContestadorPrueba cajas{[this](QWidget &w) { return respuesta ? respuesta(w) : 0; }};
    std::unique_ptr<frmMdiCalcDife> principal;

    // carpeta: the program folder to read; empty = the program's own data.
    explicit ArranquePrueba(const std::filesystem::path &carpeta = {})
    {
        ReiniciaGlobales();
        rt::SiembraAzar(7);
        rt::FijaSeparadorLocal('.');
        FijaCarpetaPrograma(carpeta);
        principal = std::make_unique<frmMdiCalcDife>();
    }
    ~ArranquePrueba()
    {
        if (principal)
            principal->mnuSalida_Click();
        principal.reset();
        Suelta();
        FijaCarpetaPrograma({});
    }

    bool Carga() { return principal->MDIForm_Load(); }

    // The cover's "Cancelar", as the student clicks it.
    void CierraPortada()
    {
        frmPortada *portada = GestorVentanas::instancia().existente<frmPortada>();
        QVERIFY(portada);
        QTest::mouseClick(portada->cmdCancelar(), Qt::LeftButton);
        Suelta();
    }

    // Runs the releases that unloading left pending.
    static void Suelta() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    bool MenusHabilitados() const
    {
        // On in the menu bar, and the menu can open.
        return principal->mnuInicio()->menuAction()->isEnabled() && principal->mnuInicio()->isEnabled()
               && principal->mnuSalida()->isEnabled();
    }
    bool AlgunMenuHabilitado() const
    {
        return principal->mnuInicio()->menuAction()->isEnabled() || principal->mnuSalida()->isEnabled();
    }
    // The enabled toolbar keys, in toolbar order.
    QStringList BotonesHabilitados() const
    {
        QStringList claves;
        for (int i = 1; i <= 8; ++i)
            if (principal->boton(i)->isEnabled())
                claves << principal->boton(i)->data().toString();
        return claves;
    }
    frmAnuncio *Anuncio() const { return principal->area()->findChild<frmAnuncio *>(); }
};
