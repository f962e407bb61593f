#pragma once
// A session at the construction exercises: the real hub, its menu into the
// chooser, a concept chosen with the draws of its requirement queued, and
// answers typed into the box of the current stage.
#include "../shell/tst_HubSesion.h"

#include "VentanaConstruccion.h"
#include "frmConceptos.h"

#include "Globales.h"

#include "Azar.h"
#include "PictureEjes.h"

#include "modTexto.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

struct EscenaConstruccion : SesionPrueba {
    frmConceptos *abreSelector()
    {
        Hub()->mnuConceptos()->trigger();
        Suelta();
        return Ventana<frmConceptos>();
    }
    // Concept k chosen in the chooser, its draws queued first.
    template <class T> T *elige(int k, std::initializer_list<float> sorteos)
    {
        frmConceptos *selector = Ventana<frmConceptos>();
        if (!selector)
            selector = abreSelector();
        rt::ProgramaAzar(sorteos);
        selector->OptConcepto(k)->click();
        Suelta();
        return Ventana<T>();
    }
    // The answer typed into the current stage's box and Enter pressed; the
    // messages it brings, in order.
    QStringList responde(VentanaConstruccion &w, const QString &texto)
    {
        mensajes.clear();
        RichTextPolin &caja = *w.RtpPidePoliR(w.IndiceCaja());
        caja.Text(QString());
        caja.setFocus();
        Escribe(caja, texto);
        QTest::keyClick(caja.Caja(), Qt::Key_Return);
        return mensajes;
    }
    static QString Exito(int n) { return QString::fromStdString(Exitos.Texto(0, n)); }
    static QString Error(int n, const std::string &prefijo = {})
    {
        return QString::fromStdString(Errores.Texto(0, n) + prefijo);
    }
    static QStringList Lista(const QComboBox &c)
    {
        QStringList l;
        for (int i = 0; i < c.count(); ++i)
            l << c.itemText(i);
        return l;
    }
    static QImage Imagen() { return Grafica()->picejGraf().Imagen(); }
    // Some pixel of the main graph in colour c, within radio pixels of the
    // world point (x, y), or anywhere when radio is negative.
    static bool HayColor(const QColor &c, double x = 0, double y = 0, int radio = -1)
    {
        const PictureEjes &graf = Grafica()->picejGraf();
        const QImage img = graf.Imagen();
        QRect zona = img.rect();
        if (radio >= 0)
            zona = QRect(graf.EscalaX(x) - radio, graf.EscalaY(y) - radio, 2 * radio + 1, 2 * radio + 1) & img.rect();
        for (int i = zona.left(); i <= zona.right(); ++i)
            for (int j = zona.top(); j <= zona.bottom(); ++j)
                if (img.pixelColor(i, j) == c)
                    return true;
        return false;
    }
};
