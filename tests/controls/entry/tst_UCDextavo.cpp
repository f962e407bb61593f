// The numeric entry box driven by real key events: the key filter, the
// normalisation after each change, and the codes of Valida.
#include "Regional.h"
#include "UCDextavo.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <cmath>

namespace {
const QString Inf = QString(QChar(0x221E));
constexpr double SinCambio = -12345;   // NumAceptado preset: the code must leave it
}

class TstUCDextavo : public QObject {
    Q_OBJECT
private slots:
    void init() { rt::FijaSeparadorLocal('.'); }
    void cleanup() { rt::FijaSeparadorLocal('.'); }
    void tecleo_data();
    void tecleo();
    void separadorComa();
    void sinInfinitoYSoloEntero();
    void enterNoInserta();
    void textoAsignado_data();
    void textoAsignado();
    void signoDentroDelTexto();
    void maxLength();
    void pegadoFiltrado();
    void validacionAlSalir();
    void soltarEnLaCaja();
    void controlASeleccionaTodo();
};

void TstUCDextavo::tecleo_data()
{
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("codigo");
    QTest::addColumn<double>("valor");

    QTest::newRow("exponente sin cifras") << "2e" << "2E" << 6 << 2.0;
    QTest::newRow("exponente con signo solo") << "2e-" << "2E-" << 6 << 2.0;
    QTest::newRow("exponente") << "2e5" << "2E5" << 0 << 200000.0;
    QTest::newRow("tercera cifra cortada") << "2e123" << "2E12" << 0 << 2e12;
    QTest::newRow("tercera cifra con signo") << "2e+123" << "2E+12" << 0 << 2e12;
    QTest::newRow("ni barra ni segunda E tras E") << "2e5/e3" << "2E53" << 0 << 2e53;
    QTest::newRow("E inicial se descarta") << "e5" << "5" << 0 << 5.0;
    QTest::newRow("menos tras cifras") << "3-" << "3" << 0 << 3.0;
    QTest::newRow("menos inicial") << "-3" << "-3" << 0 << -3.0;
    QTest::newRow("fraccion") << "3/4" << "3/4" << 0 << 0.75;
    QTest::newRow("fraccion negativa") << "-3/4" << "-3/4" << 0 << -0.75;
    QTest::newRow("una sola barra") << "3//4" << "3/4" << 0 << 0.75;
    QTest::newRow("sin denominador") << "3/" << "3/" << 2 << SinCambio;
    QTest::newRow("sin numerador") << "/4" << "/4" << 1 << SinCambio;
    QTest::newRow("denominador separador") << "3/." << "3/." << 3 << SinCambio;
    QTest::newRow("denominador cero") << "3/0" << "3/0" << 4 << SinCambio;
    QTest::newRow("separador en cada lado") << "1.5/2.5." << "1.5/2.5" << 0 << 0.6;
    QTest::newRow("segundo separador") << "3.5.2" << "3.52" << 0 << 3.52;
    QTest::newRow("menos infinito") << "-i" << "-" + Inf << 0 << -1000000.271047;
    QTest::newRow("infinito mayuscula") << "I" << Inf << 0 << 1000000.271047;
    QTest::newRow("infinito borra cifras") << "5i" << Inf << 0 << 1000000.271047;
    QTest::newRow("tras infinito solo signos") << "i5-" << Inf << 0 << 1000000.271047;
    QTest::newRow("letras") << "abc" << "" << 5 << SinCambio;
    QTest::newRow("vacio") << "" << "" << 5 << SinCambio;
    QTest::newRow("solo signo") << "-" << "-" << 5 << SinCambio;
    QTest::newRow("solo separador") << "." << "." << 5 << SinCambio;
    // Texts that are no number at all return a code and never fail.
    QTest::newRow("signo y E") << "-e" << "-E" << 5 << SinCambio;
    QTest::newRow("separador y exponente") << ".e5" << ".E5" << 5 << SinCambio;
    QTest::newRow("mantisa desbordada") << QString(400, QLatin1Char('9')) << QString(400, QLatin1Char('9'))
                                        << 5 << SinCambio;
}

static void prepara(UCDextavo &caja)
{
    caja.show();
    caja.setFocus();
    // A valid number first, so that NumAceptado holds the preset mark.
    caja.Text(QString::number(SinCambio));
    QCOMPARE(caja.Valida(), std::int16_t(0));
    caja.Text(QString());
}

// Ctrl+A selects all, and what is typed then replaces the old answer: the
// filter judges the text the character joins, without the selection.
void TstUCDextavo::controlASeleccionaTodo()
{
    UCDextavo caja;
    prepara(caja);
    QTest::keyClicks(caja.Caja(), "-1");
    QTest::keyClick(caja.Caja(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(caja.Caja()->selectedText(), QStringLiteral("-1"));
    QTest::keyClicks(caja.Caja(), "5");
    QCOMPARE(caja.Text(), QStringLiteral("5"));
    QTest::keyClicks(caja.Caja(), ".25");
    QTest::keyClick(caja.Caja(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(caja.Caja(), ".7");
    QCOMPARE(caja.Text(), QStringLiteral(".7"));
    QCOMPARE(caja.Valida(), std::int16_t(0));
    QCOMPARE(caja.NumAceptado(), 0.7);
    // A locked box selects all too, and takes nothing.
    caja.Locked(true);
    QTest::keyClick(caja.Caja(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(caja.Caja(), "3");
    QCOMPARE(caja.Caja()->selectedText(), QStringLiteral(".7"));
}

void TstUCDextavo::tecleo()
{
    QFETCH(QString, teclas);
    QFETCH(QString, texto);
    QFETCH(int, codigo);
    QFETCH(double, valor);
    UCDextavo caja;
    prepara(caja);
    QTest::keyClicks(caja.Caja(), teclas);
    QCOMPARE(caja.Text(), texto);
    QCOMPARE(int(caja.Valida()), codigo);
    QCOMPARE(caja.NumAceptado(), valor);
}

void TstUCDextavo::separadorComa()
{
    rt::FijaSeparadorLocal(',');
    UCDextavo caja;
    prepara(caja);
    QTest::keyClicks(caja.Caja(), "3,5,.");
    QCOMPARE(caja.Text(), QStringLiteral("3,5"));
    QCOMPARE(caja.Valida(), std::int16_t(0));
    QCOMPARE(caja.NumAceptado(), 3.5);
}

void TstUCDextavo::sinInfinitoYSoloEntero()
{
    UCDextavo caja;
    prepara(caja);
    caja.HayInfinito(false);
    QTest::keyClicks(caja.Caja(), "i1I");
    QCOMPARE(caja.Text(), QStringLiteral("1"));

    // Whole numbers only, switched on and off while the box is in use.
    caja.Text(QString());
    caja.SoloEntero(true);
    QTest::keyClicks(caja.Caja(), "-1./2Ei3");
    QCOMPARE(caja.Text(), QStringLiteral("123"));
    QTest::keyClick(caja.Caja(), Qt::Key_Backspace);
    QCOMPARE(caja.Text(), QStringLiteral("12"));
    caja.SoloEntero(false);
    QTest::keyClicks(caja.Caja(), ".5");
    QCOMPARE(caja.Text(), QStringLiteral("12.5"));
}

void TstUCDextavo::enterNoInserta()
{
    UCDextavo caja;
    prepara(caja);
    QSignalSpy enter(&caja, &UCDextavo::TeclaEnter);
    QTest::keyClicks(caja.Caja(), "12");
    QTest::keyClick(caja.Caja(), Qt::Key_Return);
    QCOMPARE(enter.count(), 1);
    QCOMPARE(caja.Text(), QStringLiteral("12"));
    // A carriage return in an assigned text raises the event during the assignment.
    caja.Text(QStringLiteral("4\r5"));
    QCOMPARE(enter.count(), 2);
    QCOMPARE(caja.Text(), QStringLiteral("45"));
    // Alt with a key is a menu or button key: nothing is typed.
    QTest::keyClick(caja.Caja(), Qt::Key_7, Qt::AltModifier);
    QCOMPARE(caja.Text(), QStringLiteral("45"));
    // Characters composed by a dead key or an input method pass the filter.
    QInputMethodEvent compuesto(QString(), {});
    compuesto.setCommitString(QStringLiteral("\u00E9.5"));
    QCoreApplication::sendEvent(caja.Caja(), &compuesto);
    QCOMPARE(caja.Text(), QStringLiteral("45.5"));
}

void TstUCDextavo::textoAsignado_data()
{
    QTest::addColumn<QString>("asignado");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");
    QTest::newRow("letra filtrada") << "3/4x" << "3/4" << 0.75;
    QTest::newRow("barra sola") << "/" << "" << SinCambio;
    QTest::newRow("exponente sin cifras vacia la caja") << "2E" << "" << 2.0;
    QTest::newRow("infinito por letra") << "-i" << "-" + Inf << -1000000.271047;
    QTest::newRow("vacio") << "" << "" << SinCambio;
}

void TstUCDextavo::textoAsignado()
{
    QFETCH(QString, asignado);
    QFETCH(QString, texto);
    QFETCH(double, valor);
    UCDextavo caja;
    prepara(caja);
    caja.Text(asignado);
    QCOMPARE(caja.Text(), texto);
    QCOMPARE(caja.NumAceptado(), valor);
}

void TstUCDextavo::signoDentroDelTexto()
{
    UCDextavo caja;
    prepara(caja);
    QTest::keyClicks(caja.Caja(), "12");
    QTest::keyClick(caja.Caja(), Qt::Key_Home);
    QTest::keyClick(caja.Caja(), Qt::Key_Minus, Qt::NoModifier);
    QCOMPARE(caja.Text(), QStringLiteral("-12"));
    // A sign typed in the middle goes at once, and the caret stays put.
    QTest::keyClick(caja.Caja(), Qt::Key_Right);
    QTest::keyClicks(caja.Caja(), "+");
    QCOMPARE(caja.Text(), QStringLiteral("-12"));
    QCOMPARE(caja.Caja()->cursorPosition(), 2);
    QTest::keyClicks(caja.Caja(), "5");
    QCOMPARE(caja.Text(), QStringLiteral("-152"));
    // Before the infinity sign only a sign can be typed, and it stays.
    caja.Text(QString());
    QTest::keyClicks(caja.Caja(), "i");
    QTest::keyClick(caja.Caja(), Qt::Key_Home);
    QTest::keyClicks(caja.Caja(), "7+");
    QCOMPARE(caja.Text(), "+" + Inf);
}

void TstUCDextavo::maxLength()
{
    UCDextavo caja;
    prepara(caja);
    caja.MaxLength(3);
    QTest::keyClicks(caja.Caja(), "12345");
    QCOMPARE(caja.Text(), QStringLiteral("123"));
    caja.MaxLength(-1);
    QCOMPARE(caja.MaxLength(), std::int16_t(3));
    caja.MaxLength(0);
    QTest::keyClicks(caja.Caja(), "45");
    QCOMPARE(caja.Text(), QStringLiteral("12345"));
}

void TstUCDextavo::pegadoFiltrado()
{
    UCDextavo caja;
    prepara(caja);
    QGuiApplication::clipboard()->setText(QStringLiteral("x1.5.2y"));
    QTest::keyClick(caja.Caja(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(caja.Text(), QStringLiteral("1.52"));

    // On desktops with a selection clipboard the middle button pastes it.
    if (!QGuiApplication::clipboard()->supportsSelection())
        return;
    caja.Text(QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("-ab7"), QClipboard::Selection);
    QTest::mouseClick(caja.Caja(), Qt::MiddleButton);
    QCOMPARE(caja.Text(), QStringLiteral("-7"));
}

void TstUCDextavo::validacionAlSalir()
{
    QWidget ventana;
    auto *capa = new QVBoxLayout(&ventana);
    auto *caja = new UCDextavo(&ventana);
    auto *otra = new QLineEdit(&ventana);
    capa->addWidget(caja);
    capa->addWidget(otra);
    ventana.show();
    QApplication::setActiveWindow(&ventana);
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
    int llamadas = 0;
    bool cancelar = true;
    connect(caja, &UCDextavo::Validate, caja, [&](bool &cancel) {
        ++llamadas;
        cancel = cancelar;
    });
    caja->setFocus();
    QVERIFY(QTest::qWaitFor([&] { return caja->Caja()->hasFocus(); }));
    otra->setFocus(Qt::TabFocusReason);
    QCOMPARE(llamadas, 1);
    QVERIFY(QTest::qWaitFor([&] { return caja->Caja()->hasFocus(); }));
    cancelar = false;
    otra->setFocus(Qt::TabFocusReason);
    QTest::qWait(20);
    QVERIFY(otra->hasFocus());
}

void TstUCDextavo::soltarEnLaCaja()
{
    UCDextavo caja;
    prepara(caja);
    QSignalSpy soltado(&caja, &UCDextavo::DragDrop);
    QMimeData datos;
    datos.setText(QStringLiteral("12.5"));
    QDragEnterEvent entra(QPoint(5, 5), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(caja.Caja(), &entra);
    QVERIFY(entra.isAccepted());
    QDropEvent suelta(QPointF(5, 5), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(caja.Caja(), &suelta);
    QCOMPARE(soltado.count(), 1);
    QCOMPARE(soltado.at(0).at(1).toString(), QStringLiteral("12.5"));
    QCOMPARE(caja.Text(), QString());   // the host decides what the drop means
}

QTEST_MAIN(TstUCDextavo)
#include "tst_UCDextavo.moc"
