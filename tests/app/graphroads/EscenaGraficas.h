#pragma once
// The graph windows in a real session: opened from the hub's "&Otros
// Problemas", with their marks, boxes and the main graph as the student
// sees them.
#include "../shell/tst_HubSesion.h"

#include "modTexto.h"

#include "ColorOle.h"
#include "PictureEjes.h"
#include "QBColor.h"
#include "UCDextavo.h"

#include <QImage>
#include <QLineEdit>
#include <QMenu>

// Pixels of the main graph in the palette colour n.
inline int PixelesDeColor(const QImage &imagen, int n)
{
    const QRgb buscado = PixelDeOle(rt::QBColor(n)) | 0xff000000u;
    int cuenta = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            cuenta += (imagen.pixel(x, y) | 0xff000000u) == buscado;
    return cuenta;
}

inline QString Exito(int n)
{
    return QString::fromStdString(Exitos.Texto(0, n));
}

inline QString Instruccion(int n)
{
    return QString::fromStdString(TextoInstrucciones(static_cast<std::int16_t>(n), ""));
}

inline void Teclea(UCDextavo &caja, const QString &texto)
{
    caja.Text(QString());
    QTest::keyClicks(caja.Caja(), texto);
}

// Both menus of the main window are on.
inline bool MenusPrincipalesActivos(const SesionPrueba &s)
{
    return s.principal->mnuInicio()->menuAction()->isEnabled() && s.principal->mnuSalida()->isEnabled();
}

// In the entry window opened by a graph window: the polynomial typed,
// accepted and handed back with "Continuar".
inline void DaPolinomioEnEntrada(const QString &texto)
{
    frmpidepoli *p = SesionPrueba::Ventana<frmpidepoli>();
    QVERIFY(p);
    SesionPrueba::Escribe(*p->RtpPidepoli1(), texto);
    QTest::keyClick(p->RtpPidepoli1()->Caja(), Qt::Key_Return);
    QVERIFY(p->CmdContinuar()->isVisible());
    SesionPrueba::Pulsa(p->CmdContinuar());
    SesionPrueba::Suelta();
}
