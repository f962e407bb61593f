// The calculator as the student meets it: opened by the toolbar's key over
// an exercise, its keys pressed, its messages, its help, its place, its
// "Cancelar", and its read-out dragged onto an exercise's numeric box.
#include "tst_HubSesion.h"

#include "LecturaCalculadora.h"
#include "PanelHerramientas.h"
#include "frmAyuda.h"
#include "frmcalculadora.h"
#include "frmextension.h"

#include "CajaPagina.h"
#include "Twips.h"
#include "UCDextavo.h"

#include <QDrag>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>

namespace {
// The extension exercise open for P, the calculator opened over it by the
// toolbar's key.
frmcalculadora *AbreSobreExtension(SesionPrueba &s, const QString &p = QStringLiteral("x^3-3x"))
{
    s.DaPolinomio(p);
    s.Hub()->OptCalcConcepto(3)->click();
    if (!SesionPrueba::Ventana<frmextension>())
        return nullptr;
    QAction *clave = s.principal->botonPorClave(QStringLiteral("calculadora"));
    if (!clave->isEnabled())
        return nullptr;
    clave->trigger();
    return SesionPrueba::Ventana<frmcalculadora>();
}

// Presses the calculator's buttons: digits, ".", "/", "+", "X", "-", "=",
// "r" (root), "^" (power), "%", "C" and "E" (CE).
void Teclea(frmcalculadora &w, const QString &teclas)
{
    const QString operadores = QStringLiteral("/+X-=r^");
    for (QChar t : teclas) {
        if (t.isDigit())
            QTest::mouseClick(w.Number(t.digitValue()), Qt::LeftButton);
        else if (operadores.contains(t))
            QTest::mouseClick(w.Operator(int(operadores.indexOf(t))), Qt::LeftButton);
        else if (t == QLatin1Char('.'))
            QTest::mouseClick(w.Decimal(), Qt::LeftButton);
        else if (t == QLatin1Char('%'))
            QTest::mouseClick(w.Percent(), Qt::LeftButton);
        else if (t == QLatin1Char('C'))
            SesionPrueba::Pulsa(w.Cancel());
        else if (t == QLatin1Char('E'))
            SesionPrueba::Pulsa(w.CancelEntry());
    }
}

// The message boxes shown: title, icon and text of each.
struct Cajas {
    QStringList vistas;
    plataforma::ContestadorPrueba contestador{[this](QWidget &w) {
        if (auto *m = qobject_cast<QMessageBox *>(&w))
            vistas << QStringLiteral("%1|%2|%3")
                          .arg(m->windowTitle())
                          .arg(m->icon() == QMessageBox::Warning ? QStringLiteral("aviso") : QStringLiteral("otro"))
                          .arg(m->text());
        return 0;
    }};
};

QString Aviso(const QString &texto)
{
    return QStringLiteral("Calculadora|aviso|") + texto;
}
} // namespace

class tst_Calculadora : public QObject {
    Q_OBJECT

private slots:
    void teclas_data()
    {
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("lectura");
        QTest::addColumn<QStringList>("avisos");
        QTest::newRow("cube root") << "8r3=" << "2" << QStringList{};
        QTest::newRow("odd root of a negative") << "-8r3=" << "-2" << QStringList{};
        QTest::newRow("even root of a negative")
            << "-8r2=" << "-8." << QStringList{Aviso(QStringLiteral("No existe la raíz"))};
        QTest::newRow("zeroth root") << "8r0=" << "8." << QStringList{Aviso(QStringLiteral("No existe la raíz cero"))};
        QTest::newRow("power") << "2^10=" << "1024" << QStringList{};
        QTest::newRow("division by zero")
            << "5/0=" << "5." << QStringList{Aviso(QStringLiteral("Imposible dividir entre cero"))};
        QTest::newRow("percent") << "50%" << "0.5" << QStringList{};
        QTest::newRow("a digit after percent") << "50%7" << "7." << QStringList{};
        // The percent of a lone number is a finished result: a number typed
        // next starts a new calculation.
        QTest::newRow("a calculation after percent") << "50%3=" << "3." << QStringList{};
        QTest::newRow("a calculation after percent, then more") << "50%3=+2=" << "5" << QStringList{};
        QTest::newRow("percent after a result") << "2+3=50%=" << "0.5" << QStringList{};
        // A second percent changes nothing, and a number typed after a
        // percent takes its place: the keys never stop computing.
        QTest::newRow("percent twice") << "200X50%%=" << "100" << QStringList{};
        QTest::newRow("an operator after percent twice") << "50%%X4=" << "2" << QStringList{};
        QTest::newRow("a number after percent, then more")
            << "200X50%3=+1=" << "601" << QStringList{};
        QTest::newRow("equals twice") << "2+3==" << "5" << QStringList{};
        QTest::newRow("overflow") << "10^400=" << "10." << QStringList{Aviso(QStringLiteral("Rebasó límite"))};
        QTest::newRow("clear entry") << "5+3E2=" << "7" << QStringList{};
        QTest::newRow("decimals") << "1.5X4=" << "6" << QStringList{};
    }
    void teclas()
    {
        QFETCH(QString, teclas);
        QFETCH(QString, lectura);
        QFETCH(QStringList, avisos);
        SesionPrueba s;
        frmcalculadora *w = AbreSobreExtension(s);
        QVERIFY(w);
        Cajas cajas;
        Teclea(*w, teclas);
        QCOMPARE(w->Readout()->text(), lectura);
        QCOMPARE(cajas.vistas, avisos);
    }

    void separadorComa()
    {
        SesionPrueba s;
        rt::ConSeparadorLocal coma(',');
        frmcalculadora *w = AbreSobreExtension(s);
        QVERIFY(w);
        QCOMPARE(w->Readout()->text(), QStringLiteral("0,"));
        Teclea(*w, QStringLiteral("12"));
        QCOMPARE(w->Readout()->text(), QStringLiteral("12,"));
        Teclea(*w, QStringLiteral("/8="));
        QCOMPARE(w->Readout()->text(), QStringLiteral("1,5"));
    }

    // Modeless beside the panel; "C" puts it back in its place; "Cancelar"
    // hides it cleared, and the toolbar shows it again.
    void lugarYCancelar()
    {
        SesionPrueba s;
        frmcalculadora *w = AbreSobreExtension(s);
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(!w->isModal());
        QVERIFY(w->isWindow());
        QCOMPARE(w->windowTitle(), QStringLiteral("Quorvane: Calculadora"));
        const auto T = [](int twips) { return plataforma::TwipsAPixeles(twips); };
        const QPoint lugar = s.principal->area()->mapToGlobal(QPoint(AnchoPanel + T(40), T(650)));
        QCOMPARE(w->pos(), lugar);
        QCOMPARE(w->size(), QSize(T(6525), T(2445)));

        // The exercise below still takes its answer.
        QVERIFY(SesionPrueba::Ventana<frmextension>()->isEnabled());

        w->move(lugar + QPoint(50, 30));
        Teclea(*w, QStringLiteral("4+"));
        SesionPrueba::Pulsa(w->Cancel());
        QCOMPARE(w->pos(), lugar);
        QCOMPARE(w->Readout()->text(), QStringLiteral("0."));

        Teclea(*w, QStringLiteral("9"));
        SesionPrueba::Pulsa(w->cmdcalculadora());
        QVERIFY(!w->isVisible());
        QCOMPARE(SesionPrueba::Ventana<frmcalculadora>(), w);
        s.principal->botonPorClave(QStringLiteral("calculadora"))->trigger();
        QVERIFY(w->isVisible());
        QCOMPARE(w->Readout()->text(), QStringLiteral("0."));
    }

    void ayuda()
    {
        SesionPrueba s;
        frmcalculadora *w = AbreSobreExtension(s);
        QVERIFY(w);
        QTest::mouseClick(w->CmdAyuda(), Qt::LeftButton);
        frmAyuda *ayuda = frmAyuda::Existente();
        QVERIFY(ayuda);
        QVERIFY(ayuda->isVisible());
        QVERIFY(!ayuda->isModal());
        QCOMPARE(ayuda->rtbtitulo()->toPlainText(), QStringLiteral("¿Como operar la calculadora?"));
        QCOMPARE(ayuda->rtbAyudaDes()->toPlainText(),
                 QStringLiteral("Esta calculadora opera en forma normal. Para una operación se imprime el número, "
                                "enseguida el operador, después el otro número y finalmente el igual. Si por "
                                "ejemplo, deseas calcular la raíz cuadrada de 6, se oprime el botón con 6, después "
                                "el botón de raíz, enseguida el 2 y finalmente el igual. De igual forma cuando "
                                "desees elevar un número a alguna potencia."));
        QCOMPARE(ayuda->rtbObserva()->toPlainText(), QStringLiteral("Oprime cerrar, para cancelar esta información."));
        // The calculator stays at hand.
        QVERIFY(w->isVisible());
    }

    // The calculator floats over the work: the exercise finished under it
    // hands the session back to the hub as it does without it.
    void ejercicioTerminadoBajoLaCalculadora()
    {
        SesionPrueba s;
        frmcalculadora *w = AbreSobreExtension(s);
        QVERIFY(w);
        auto *ejercicio = SesionPrueba::Ventana<frmextension>();
        const int nivel = NivelPila;
        QSignalSpy activadas(&GestorVentanas::instancia(), &GestorVentanas::ventanaActivada);
        QTest::keyClicks(ejercicio->txtLimite(0)->Caja(), QStringLiteral("-i"));
        QTest::keyClicks(ejercicio->txtLimite(1)->Caja(), QStringLiteral("+i"));
        SesionPrueba::Pulsa(ejercicio->CmdExtensaListo());
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmextension>());
        QCOMPARE(NivelPila, nivel - 1);
        // The hub, active again, offers the graph of the finished concept.
        QVERIFY(s.Hub()->CmdGraficar()->isEnabled());
        QCOMPARE(activadas.count(), 1);
        QCOMPARE(activadas.first().first().value<VentanaBase *>(), s.Hub());
        QVERIFY(w->isVisible());
    }

    // Any mouse button drags the read-out's text; an exercise's numeric box
    // takes it and works with it; the calculator takes nothing.
    void arrastraLaLectura_data()
    {
        QTest::addColumn<Qt::MouseButton>("boton");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void arrastraLaLectura()
    {
        QFETCH(Qt::MouseButton, boton);
        SesionPrueba s;
        frmcalculadora *w = AbreSobreExtension(s);
        QVERIFY(w);
        Teclea(*w, QStringLiteral("12"));
        QTest::mousePress(w->Readout(), boton);
        auto *arrastre = w->Readout()->findChild<QDrag *>();
        QVERIFY(arrastre);
        QCOMPARE(arrastre->mimeData()->text(), QStringLiteral("12."));

        // Over the calculator the drag is refused, and a drop changes nothing.
        QDragEnterEvent entra(QPoint(5, 5), Qt::CopyAction, arrastre->mimeData(), Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &entra);
        QVERIFY(!entra.isAccepted());
        QDropEvent sobreSi(QPointF(5, 5), Qt::CopyAction, arrastre->mimeData(), Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &sobreSi);
        QCOMPARE(w->Readout()->text(), QStringLiteral("12."));

        // The point box of the exercise's tools: it reads "12." and P(12) is
        // worked out from it.
        PanelHerramientas *h = SesionPrueba::Ventana<frmextension>()->herramientas();
        QLineEdit *caja = h->cajaPunto()->Caja();
        QDragEnterEvent llega(QPoint(5, 5), Qt::CopyAction, arrastre->mimeData(), Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(caja, &llega);
        QVERIFY(llega.isAccepted());
        QDropEvent suelta(QPointF(5, 5), Qt::CopyAction, arrastre->mimeData(), Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(caja, &suelta);
        QCOMPARE(h->cajaPunto()->Text(), QStringLiteral("12."));
        QTest::keyClick(caja, Qt::Key_Return);
        QCOMPARE(h->LblPuntual()->text(), QStringLiteral("1692"));
        QVERIFY(s.mensajes.isEmpty());
    }
};

QTEST_MAIN(tst_Calculadora)
#include "tst_Calculadora.moc"
