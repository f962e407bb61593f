// The polynomial entry box driven by real keys: raised exponents, the key
// filter, and the linear text handed out on acceptance.
#include "Entero16.h"
#include "Regional.h"
#include "RichTextBox.h"
#include "RichTextPolin.h"

#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTest>

class TstRichTextPolin : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void linealAlAceptar_data();
    void linealAlAceptar();
    void formatoDeLosTramos();
    void aceptarVacio();
    void barraDeFraccion();
    void seleccionNoSeReemplaza();
    void separadorComa();
    void pegadoFiltrado();
    void nadaSeSuelta();
    void textoDelAnfitrion();
    void textoDemasiadoLargo();
    void teclasConModificador();
    void unaSolaLinea();
    void controlASeleccionaTodo();
    void aceptadoDesdeSuPrincipio();

private:
    // Types a script: "^" stands for the Up arrow, "_" for the Down arrow.
    static void escribe(RichTextPolin &caja, const QString &guion);
    RichTextPolin *m_caja = nullptr;
};

void TstRichTextPolin::init()
{
    rt::FijaSeparadorLocal('.');
    m_caja = new RichTextPolin;
    m_caja->show();
    QApplication::setActiveWindow(m_caja);
    QVERIFY(QTest::qWaitForWindowActive(m_caja));
    m_caja->setFocus();
}

void TstRichTextPolin::cleanup()
{
    delete m_caja;
    rt::FijaSeparadorLocal('.');
}

void TstRichTextPolin::escribe(RichTextPolin &caja, const QString &guion)
{
    for (QChar c : guion) {
        if (c == QLatin1Char('^'))
            QTest::keyClick(caja.Caja(), Qt::Key_Up);
        else if (c == QLatin1Char('_'))
            QTest::keyClick(caja.Caja(), Qt::Key_Down);
        else
            QTest::keyClicks(caja.Caja(), QString(c));
    }
}

void TstRichTextPolin::linealAlAceptar_data()
{
    QTest::addColumn<QString>("guion");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("cadPol");
    QTest::newRow("cuadrado") << "x^2" << "x2" << "x^(2)";
    QTest::newRow("exponente al final") << "3x^10" << "3x10" << "3x^(10)";
    QTest::newRow("dos exponentes") << "x^3-x^2+1" << "x3-x2+1" << "x^(3)-x^(2)+1";
    QTest::newRow("bajada con flecha") << "3x^2_-5x+1" << "3x2-5x+1" << "3x^(2)-5x+1";
    QTest::newRow("bajada con cifra") << "x^2_5" << "x25" << "x^(2)5";
    QTest::newRow("mayuscula") << "2X^4" << "2X4" << "2x^(4)";
    QTest::newRow("letra o separador cierran") << "x^2x^3.5" << "x2x3.5" << "x^(2)x^(3).5";
    QTest::newRow("parentesis") << "(x+1)^2" << "(x+1)2" << "(x+1)^(2)";
    QTest::newRow("flecha arriba en caja vacia") << "^2x" << "2x" << "2x";
    QTest::newRow("rechazados") << "a x^ y2z" << "x2" << "x^(2)";
}

void TstRichTextPolin::linealAlAceptar()
{
    QFETCH(QString, guion);
    QFETCH(QString, texto);
    QFETCH(QString, cadPol);
    QSignalSpy enter(m_caja, &RichTextPolin::TeclaEnter);
    escribe(*m_caja, guion);
    QCOMPARE(m_caja->Text(), texto);
    QCOMPARE(m_caja->CadPol(), QString());
    QTest::keyClick(m_caja->Caja(), Qt::Key_Return);
    QCOMPARE(enter.count(), 1);
    QCOMPARE(m_caja->CadPol(), cadPol);
    QVERIFY(m_caja->Locked());
    QCOMPARE(m_caja->SelStart(), long(texto.size()));
    // Locked: nothing more can be typed until the host unlocks the box.
    QTest::keyClicks(m_caja->Caja(), "1");
    QCOMPARE(m_caja->Text(), texto);
    m_caja->Locked(false);
    QTest::keyClicks(m_caja->Caja(), "+1");
    QCOMPARE(m_caja->Text(), texto + "+1");
}

void TstRichTextPolin::formatoDeLosTramos()
{
    escribe(*m_caja, "3x^12-x");
    const RichTextBox *c = m_caja->Caja();
    const struct { double tamano; int desp; } esperado[] = {
        {12, -35}, {12, -35}, {9, 40}, {9, 40}, {12, -35}, {12, -35}};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(c->TamanoCaracter(i), esperado[i].tamano);
        QCOMPARE(c->DesplazamientoCaracter(i), esperado[i].desp);
    }
    QCOMPARE(c->FuenteCaracter(0), QStringLiteral("Lucida Sans Unicode"));
}

void TstRichTextPolin::aceptarVacio()
{
    QSignalSpy enter(m_caja, &RichTextPolin::TeclaEnter);
    m_caja->Acepta();
    QCOMPARE(m_caja->CadPol(), QString());
    QVERIFY(m_caja->Locked());
    QCOMPARE(enter.count(), 1);
}

void TstRichTextPolin::barraDeFraccion()
{
    // Only right after a normal-size digit.
    escribe(*m_caja, "/3/4x/+/x^2/");
    QCOMPARE(m_caja->Text(), QStringLiteral("3/4x+x2"));
    m_caja->Acepta();
    QCOMPARE(m_caja->CadPol(), QStringLiteral("3/4x+x^(2)"));
}

void TstRichTextPolin::seleccionNoSeReemplaza()
{
    escribe(*m_caja, "12");
    m_caja->Caja()->SetSelStart(0);
    m_caja->Caja()->SetSelLength(1);
    QTest::keyClick(m_caja->Caja(), Qt::Key_Up);   // nothing with a selection
    QCOMPARE(m_caja->Caja()->SelLength(), 1);
    QTest::keyClicks(m_caja->Caja(), "3");
    QCOMPARE(m_caja->Text(), QStringLiteral("312"));
    QCOMPARE(m_caja->Caja()->TamanoCaracter(0), 12.0);
}

void TstRichTextPolin::separadorComa()
{
    rt::FijaSeparadorLocal(',');
    escribe(*m_caja, "2,5x^2.,1");
    QCOMPARE(m_caja->Text(), QStringLiteral("2,5x2,1"));
    m_caja->Acepta();
    QCOMPARE(m_caja->CadPol(), QStringLiteral("2,5x^(2),1"));
}

void TstRichTextPolin::pegadoFiltrado()
{
    escribe(*m_caja, "2x^");
    QGuiApplication::clipboard()->setText(QStringLiteral("3/ + x^a"));
    QTest::keyClick(m_caja->Caja(), Qt::Key_V, Qt::ControlModifier);
    // The pasted digit continues the exponent, the bar after it and the
    // blanks are refused, and the sign ends the exponent, as when typed.
    QCOMPARE(m_caja->Text(), QStringLiteral("2x3+x"));
    m_caja->Acepta();
    QCOMPARE(m_caja->CadPol(), QStringLiteral("2x^(3)+x"));
}

// A dragged number (the calculator's read-out) is refused: passed through
// the filter it would be another polynomial ("1E+25" as 1 + 25).
void TstRichTextPolin::nadaSeSuelta()
{
    // A drag looks for a widget that takes drops from the one under the
    // pointer up to the window: none does.
    QWidget *v = m_caja->Caja()->viewport();
    for (QWidget *w = v; w; w = w->parentWidget())
        QVERIFY2(!w->acceptDrops(), w->metaObject()->className());
    QMimeData lectura;
    lectura.setText(QStringLiteral("1E+25"));
    QDropEvent suelta(QPointF(5, 5), Qt::CopyAction, &lectura, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(v, &suelta);
    QVERIFY(m_caja->Text().isEmpty());
}

void TstRichTextPolin::textoDelAnfitrion()
{
    m_caja->Text(QStringLiteral("X2+1"));
    QCOMPARE(m_caja->Text(), QStringLiteral("X2+1"));
    m_caja->Acepta();
    QCOMPARE(m_caja->CadPol(), QStringLiteral("x2+1"));
    // Writing the text does not change the last accepted one.
    m_caja->Text(QString());
    QCOMPARE(m_caja->CadPol(), QStringLiteral("x2+1"));
    m_caja->SelStart(0);
    QCOMPARE(m_caja->SelStart(), 0L);
}

void TstRichTextPolin::textoDemasiadoLargo()
{
    // Acceptance counts in 16 bits: typing stops at 32767 characters, a
    // longer text from the host fails in Acepta, and Enter only beeps.
    m_caja->Text(QString(32767, QLatin1Char('1')));
    m_caja->Caja()->SetSelStart(32767);
    QTest::keyClicks(m_caja->Caja(), "2");
    QCOMPARE(m_caja->Text().size(), 32767);
    m_caja->Text(QString(32768, QLatin1Char('1')));
    QVERIFY_THROWS_EXCEPTION(rt::ErrorDesbordamiento, m_caja->Acepta());
    m_caja->Locked(false);
    QTest::keyClick(m_caja->Caja(), Qt::Key_Return);
    QCOMPARE(m_caja->CadPol(), QString());
}

void TstRichTextPolin::teclasConModificador()
{
    // Alt with a key is a menu or button key, never text; Ctrl keys are
    // the box's own commands and insert nothing either.
    escribe(*m_caja, "2x");
    QTest::keyClick(m_caja->Caja(), Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(m_caja->Caja(), Qt::Key_3, Qt::AltModifier);
    QTest::keyClick(m_caja->Caja(), Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(m_caja->Text(), QStringLiteral("2x"));
    // Characters composed by a dead key or an input method pass the filter.
    QInputMethodEvent compuesto(QString(), {});
    compuesto.setCommitString(QStringLiteral("\u00E1+3"));
    QCoreApplication::sendEvent(m_caja->Caja(), &compuesto);
    QCOMPARE(m_caja->Text(), QStringLiteral("2x+3"));
}

// Ctrl+A selects the whole text, which what is typed next replaces (a
// student writing a new answer over the old one); a key the filter refuses
// leaves the text as it was.
void TstRichTextPolin::controlASeleccionaTodo()
{
    escribe(*m_caja, "x^2_-1");
    QTest::keyClick(m_caja->Caja(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(m_caja->Caja()->SelLength(), 4);
    QTest::keyClick(m_caja->Caja(), Qt::Key_Shift);   // on its way to a capital X
    QCOMPARE(m_caja->Caja()->SelLength(), 4);
    QTest::keyClicks(m_caja->Caja(), "a");
    QCOMPARE(m_caja->Text(), QStringLiteral("x2-1"));
    QTest::keyClick(m_caja->Caja(), Qt::Key_A, Qt::ControlModifier);
    escribe(*m_caja, "5x^3");
    QCOMPARE(m_caja->Text(), QStringLiteral("5x3"));
    QCOMPARE(m_caja->Caja()->TamanoCaracter(0), RichTextPolin::TamanoNormal);
    QCOMPARE(m_caja->Caja()->TamanoCaracter(2), RichTextPolin::TamanoExponente);
    m_caja->Acepta();
    QCOMPARE(m_caja->CadPol(), QStringLiteral("5x^(3)"));
    // Locked, it still selects all, and Backspace on an open box empties it.
    QTest::keyClick(m_caja->Caja(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(m_caja->Caja()->SelLength(), 3);
    m_caja->Locked(false);
    QTest::keyClick(m_caja->Caja(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(m_caja->Caja(), Qt::Key_Backspace);
    QCOMPARE(m_caja->Text(), QString());
}

// An accepted polynomial longer than the box is shown from its start, the
// caret (hidden in the locked box) staying at its end.
void TstRichTextPolin::aceptadoDesdeSuPrincipio()
{
    m_caja->resize(200, 34);
    escribe(*m_caja, "7x(x+2)(x-9)(x+8)(x-7)^2_(x+4)(x-3)(x+11)");
    QVERIFY(m_caja->Caja()->horizontalScrollBar()->value() > 0);
    m_caja->Acepta();
    QCoreApplication::processEvents();
    QCOMPARE(m_caja->SelStart(), long(m_caja->Text().size()));
    QCOMPARE(m_caja->Caja()->horizontalScrollBar()->value(), 0);
    QCOMPARE(m_caja->Caja()->cursorWidth(), 0);
    // Reading it with the keyboard still brings the rest into view.
    QTest::keyClick(m_caja->Caja(), Qt::Key_Home);
    QTest::keyClick(m_caja->Caja(), Qt::Key_End);
    QVERIFY(m_caja->Caja()->horizontalScrollBar()->value() > 0);
}

void TstRichTextPolin::unaSolaLinea()
{
    // A polynomial longer than the box stays on one line, and the box
    // follows the caret so that what is typed can be seen.
    m_caja->resize(200, 34);
    escribe(*m_caja, "3x^2_+7x^11_+7x^12_+7x^13_+7x^14_+7x^15_-2/3x");
    const QTextBlock bloque = m_caja->Caja()->document()->firstBlock();
    QCOMPARE(bloque.layout()->lineCount(), 1);
    const QRect caret = m_caja->Caja()->cursorRect();
    QVERIFY(m_caja->Caja()->viewport()->rect().contains(caret.center()));
}

QTEST_MAIN(TstRichTextPolin)
#include "tst_RichTextPolin.moc"
