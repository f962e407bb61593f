// The button: access keys, click reasons and the look of each state.
#include "Usc.h"

#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class TstUsc : public QObject {
    Q_OBJECT
private slots:
    void teclaDeAcceso_data();
    void teclaDeAcceso();
    void razonesDelClic();
    void presionarYSoltarFuera();
    void colorDeFondoEnEjecucion();
    void ajustesDeDiseno();

private:
    static void entra(Usc &b)
    {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(&b, &e);
    }
    static void sale(Usc &b)
    {
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(&b, &e);
    }
};

void TstUsc::teclaDeAcceso_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tecla");
    QTest::newRow("primera letra") << "&Aceptar" << "A";
    QTest::newRow("ampersand literal") << "Dibujar && borrar" << "";
    QTest::newRow("la ultima marca") << "A&&B&C" << "C";
    QTest::newRow("marca al final") << "Listo&" << "";
    QTest::newRow("sin marca") << "Kelvaro" << "";
}

void TstUsc::teclaDeAcceso()
{
    QFETCH(QString, caption);
    QFETCH(QString, tecla);
    Usc b;
    b.Caption(caption);
    QCOMPARE(b.TeclaAcceso().isNull() ? QString() : QString(b.TeclaAcceso()), tecla);
}

void TstUsc::razonesDelClic()
{
    QWidget ventana;
    auto *b = new Usc(&ventana);
    b->Caption(QStringLiteral("&Aceptar"));
    (new QVBoxLayout(&ventana))->addWidget(b);
    ventana.show();
    QApplication::setActiveWindow(&ventana);
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
    QSignalSpy clic(b, &Usc::Click);

    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(clic.count(), 1);
    QCOMPARE(clic.takeFirst().at(0).toInt(), int(b2kReasonMouse));

    QTest::keyClick(&ventana, Qt::Key_A, Qt::AltModifier);
    QCOMPARE(clic.count(), 1);
    QCOMPARE(clic.takeFirst().at(0).toInt(), int(b2kReasonAccessKey));

    // Space and Enter: pressed look on key down, one click, look back on key up.
    b->setFocus();
    for (Qt::Key tecla : {Qt::Key_Space, Qt::Key_Return}) {
        QTest::keyPress(b, tecla);
        QCOMPARE(b->BordeVisible(), Usc::Hundido);
        QCOMPARE(clic.count(), 1);
        QCOMPARE(clic.takeFirst().at(0).toInt(), int(b2kReasonKeyboard));
        QTest::keyRelease(b, tecla);
        QVERIFY(b->BordeVisible() != Usc::Hundido);
    }
    QTest::keyClick(b, Qt::Key_X);
    QCOMPARE(clic.count(), 0);

    b->Enabled(false);
    QTest::keyClick(&ventana, Qt::Key_A, Qt::AltModifier);
    QCOMPARE(clic.count(), 0);
}

void TstUsc::presionarYSoltarFuera()
{
    Usc b;
    b.HoverColor(Qt::blue);
    b.ForeColor(Qt::red);
    b.show();
    QSignalSpy clic(&b, &Usc::Click);

    entra(b);
    QCOMPARE(b.BordeVisible(), Usc::Realzado);
    QCOMPARE(b.ColorCaption(), QColor(Qt::blue));

    QTest::mousePress(&b, Qt::LeftButton, {}, b.rect().center());
    QCOMPARE(b.BordeVisible(), Usc::Hundido);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(clic.count(), 0);
    QCOMPARE(b.BordeVisible(), Usc::Plano);
    // The caption keeps the hover colour until the pointer enters and leaves again.
    sale(b);
    QCOMPARE(b.ColorCaption(), QColor(Qt::blue));
    entra(b);
    sale(b);
    QCOMPARE(b.ColorCaption(), QColor(Qt::red));
    QCOMPARE(b.BordeVisible(), Usc::Plano);
}

void TstUsc::colorDeFondoEnEjecucion()
{
    Usc b;
    b.show();
    QCOMPARE(b.BordeVisible(), Usc::Plano);
    b.BackColor(Qt::yellow);
    QCOMPARE(b.BordeVisible(), Usc::Realzado);
    entra(b);
    sale(b);
    QCOMPARE(b.BordeVisible(), Usc::Plano);
    // A new hover colour shows at the next entry.
    b.HoverColor(Qt::green);
    entra(b);
    QCOMPARE(b.ColorCaption(), QColor(Qt::green));
}

void TstUsc::ajustesDeDiseno()
{
    Usc b;
    b.AlwaysHighlighted(true);
    b.FocusRect(false);
    b.show();
    QCOMPARE(b.BordeVisible(), Usc::Realzado);
    entra(b);
    sale(b);
    QCOMPARE(b.BordeVisible(), Usc::Realzado);
    QCOMPARE(b.ColorCaption(), b.ForeColor());
    QVERIFY_THROWS_EXCEPTION(ErrorSoloDiseno, b.AlwaysHighlighted(false));
    QVERIFY_THROWS_EXCEPTION(ErrorSoloDiseno, b.FocusRect(true));
    QVERIFY(b.AlwaysHighlighted());
    QVERIFY(!b.FocusRect());
}

QTEST_MAIN(TstUsc)
#include "tst_Usc.moc"
