#pragma once
// Answering a point-list exercise as the student does: a value typed in
// the answer box and "Listo", or "Terminar".
#include "VentanaPuntos.h"

#include "UCDextavo.h"
#include "Usc.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QtTest>

inline void Da(VentanaPuntos &w, const QString &texto)
{
    w.txtRespuesta()->Text(QString());
    QTest::keyClicks(w.txtRespuesta()->Caja(), texto);
    QTest::mouseClick(w.cmdListo(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline void PulsaTerminar(VentanaPuntos &w)
{
    QTest::mouseClick(w.CmdOk(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
