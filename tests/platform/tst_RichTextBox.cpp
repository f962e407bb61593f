// The rich text box as the display routines see it: selections counted in
// characters, and the font, size and raise of each character.
#include "Fuentes.h"
#include "LineasVisibles.h"
#include "RichTextBox.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QVBoxLayout>

class TstRichTextBox : public QObject {
    Q_OBJECT
private slots:
    void textoYSeleccion();
    void posicionesEnCaracteres();
    void formatoPorTramos();
    void seleccionMixta();
    void formatoDeEscritura();
    void reemplazoConservaFormato();
    void bloqueada();
    void fuentesInstaladas();
    void polinomioSeVeEntero();
    void primeraLineaAlMostrarse();
};

void TstRichTextBox::textoYSeleccion()
{
    RichTextBox caja;
    caja.SetText("3x2-x+5");
    QCOMPARE(caja.Text(), std::string("3x2-x+5"));
    QCOMPARE(caja.SelStart(), 0);
    caja.SetSelStart(2);
    caja.SetSelLength(1);
    QCOMPARE(caja.SelText(), std::string("2"));
    caja.SetSelText("");
    QCOMPARE(caja.Text(), std::string("3x-x+5"));
    QCOMPARE(caja.SelStart(), 2);
    QCOMPARE(caja.SelLength(), 0);
    // A length beyond the text stops at its end; SelStart empties the selection.
    caja.SetSelLength(99);
    QCOMPARE(caja.SelText(), std::string("-x+5"));
    caja.SetSelStart(1);
    QCOMPARE(caja.SelLength(), 0);
    // Lines: a line feed is one character.
    caja.SetText("a\nb");
    QCOMPARE(caja.Text(), std::string("a\nb"));
    caja.SetSelStart(0);
    caja.SetSelLength(3);
    QCOMPARE(caja.SelText(), std::string("a\nb"));
}

void TstRichTextBox::posicionesEnCaracteres()
{
    // The infinity sign and a character outside the basic plane each count one.
    RichTextBox caja;
    caja.SetText("(-\u221E , \U0001D465)");
    caja.SetSelStart(2);
    caja.SetSelLength(1);
    QCOMPARE(caja.SelText(), std::string("\u221E"));
    caja.SetSelStart(6);
    caja.SetSelLength(2);
    QCOMPARE(caja.SelText(), std::string("\U0001D465)"));
    QCOMPARE(caja.SelStart(), 6);
    QCOMPARE(caja.SelLength(), 2);
    caja.SetSelLength(1);
    caja.SetSelFontSize(9);
    QCOMPARE(caja.TamanoCaracter(6), 9.0);
    QCOMPARE(caja.TamanoCaracter(7), 10.0);
}

void TstRichTextBox::formatoPorTramos()
{
    RichTextBox caja;
    caja.SetText("x12+1");
    caja.SetSelStart(0);
    caja.SetSelLength(5);
    caja.SetSelFontName("Lucida Sans Unicode");
    caja.SetSelFontSize(12);
    caja.SetSelCharOffset(-40);
    caja.SetSelStart(1);
    caja.SetSelLength(2);
    caja.SetSelFontSize(9);
    caja.SetSelCharOffset(40);
    const struct { double tamano; int desp; } esperado[] = {{12, -40}, {9, 40}, {9, 40}, {12, -40}, {12, -40}};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(caja.TamanoCaracter(i), esperado[i].tamano);
        QCOMPARE(caja.DesplazamientoCaracter(i), esperado[i].desp);
        QCOMPARE(caja.FuenteCaracter(i), QStringLiteral("Lucida Sans Unicode"));
    }
    // What was set reads back through the selection calls.
    QCOMPARE(caja.SelFontSize(), 9.0);
    QCOMPARE(caja.SelCharOffset(), 40);
    QCOMPARE(caja.SelFontName(), std::string("Lucida Sans Unicode"));
}

void TstRichTextBox::seleccionMixta()
{
    RichTextBox caja;
    caja.SetText("x2");
    caja.SetSelStart(1);
    caja.SetSelLength(1);
    caja.SetSelFontSize(9);
    caja.SetSelFontName("Symbol");
    caja.SetSelStart(0);
    caja.SetSelLength(2);
    QCOMPARE(caja.SelFontSize(), 0.0);   // mixed: neither 9 nor 12
    QCOMPARE(caja.SelFontName(), std::string());
}

void TstRichTextBox::formatoDeEscritura()
{
    // With nothing selected the format applies to the next typed character,
    // and reading it at a position gives the character before the caret.
    RichTextBox caja;
    caja.show();
    caja.setFocus();
    QTest::keyClicks(&caja, "x");
    caja.SetSelFontSize(9);
    caja.SetSelCharOffset(40);
    QTest::keyClicks(&caja, "2");
    caja.SetSelFontSize(12);
    caja.SetSelCharOffset(-35);
    QTest::keyClicks(&caja, "+1");
    QCOMPARE(caja.Text(), std::string("x2+1"));
    QCOMPARE(caja.TamanoCaracter(1), 9.0);
    QCOMPARE(caja.DesplazamientoCaracter(1), 40);
    QCOMPARE(caja.TamanoCaracter(2), 12.0);
    QCOMPARE(caja.DesplazamientoCaracter(3), -35);
    caja.SetSelStart(2);
    QCOMPARE(caja.SelFontSize(), 9.0);
    caja.SetSelStart(0);
    QCOMPARE(caja.SelFontSize(), 10.0);   // start of the text: the first character's
}

void TstRichTextBox::reemplazoConservaFormato()
{
    RichTextBox caja;
    caja.SetText("(-I , 2)");
    caja.SetSelStart(0);
    caja.SetSelLength(8);
    caja.SetSelCharOffset(20);
    caja.SetSelStart(2);
    caja.SetSelLength(1);
    caja.SetSelText("\u221E");
    QCOMPARE(caja.Text(), std::string("(-\u221E , 2)"));
    QCOMPARE(caja.DesplazamientoCaracter(2), 20);
    QCOMPARE(caja.SelStart(), 3);
}

void TstRichTextBox::bloqueada()
{
    RichTextBox caja;
    caja.show();
    caja.setFocus();
    caja.SetLocked(true);
    QTest::keyClicks(&caja, "abc");
    QCOMPARE(caja.Text(), std::string());
    caja.SetText("12");   // code still writes into a locked box
    QCOMPARE(caja.Text(), std::string("12"));
    caja.SetLocked(false);
    caja.SetSelStart(2);
    QTest::keyClicks(&caja, "3");
    QCOMPARE(caja.Text(), std::string("123"));
    caja.SetRightMargin(3000);
    QCOMPARE(caja.lineWrapMode(), QTextEdit::FixedPixelWidth);
    // Nothing can be typed in a locked box: no caret shows there, but the
    // student may still select all of it.
    QVERIFY(caja.cursorWidth() > 0);
    caja.SetLocked(true);
    QCOMPARE(caja.cursorWidth(), 0);
    QTest::keyClick(&caja, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(caja.SelLength(), 3);
}

// A polynomial written while its box is hidden, the caret left at its end
// as the display leaves it, shows from its first line when the box shows.
void TstRichTextBox::primeraLineaAlMostrarse()
{
    QWidget ventana;
    ventana.resize(200, 200);
    auto *caja = new RichTextBox(&ventana);
    caja->setGeometry(10, 10, 180, 40);
    caja->SetLocked(true);
    caja->SetMuestraPolinomio(true);
    caja->hide();
    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));
    const std::string texto = "-48626.028x5+49027.896x4-123456.789x3+987654.321x2-48626.028x+49027.896";
    caja->SetText(texto);
    caja->SetSelStart(int(texto.size()));
    caja->show();
    QCoreApplication::processEvents();
    const LineasVisibles v = LineasVisibles::De(*caja);
    QVERIFY2(v.total > 1 && v.barra, qPrintable(QString::number(v.total)));
    QCOMPARE(caja->verticalScrollBar()->value(), 0);
    QVERIFY(v.todoAlAlcance());
}

void TstRichTextBox::fuentesInstaladas()
{
    for (const char *nombre : {"Lucida Sans Unicode", "Arial", "Symbol"})
        QCOMPARE(plataforma::FamiliaInstalada(QString::fromLatin1(nombre)), QStringLiteral("DejaVu Sans"));
    QVERIFY(QFontMetrics(plataforma::FuentePrograma(QStringLiteral("Symbol"), 12))
                .inFont(plataforma::SignoInfinito().at(0)));
}

// A long polynomial in a box under a label: the box takes the height of
// its lines while the window has room, then keeps its least height with a
// scroll bar, and no line is ever cut by the edge of the view.
void TstRichTextBox::polinomioSeVeEntero()
{
    QWidget ventana;
    auto *columna = new QVBoxLayout(&ventana);
    columna->addWidget(new QLabel(QStringLiteral("p(x) ="), &ventana));
    auto *caja = new RichTextBox(&ventana);
    caja->SetLocked(true);
    caja->SetMuestraPolinomio(true);
    columna->addWidget(caja);
    columna->addStretch(1);

    // Sixteen terms of ten-digit coefficients, exponents raised.
    std::string texto;
    for (int e = 15; e >= 0; --e)
        texto += (e % 2 ? "-" : "+") + std::to_string(1234567890 + e) + (e > 0 ? "x" + std::to_string(e) : "");
    texto.erase(0, 1);
    caja->SetText(texto);
    caja->SetSelStart(0);
    caja->SetSelLength(int(texto.size()));
    caja->SetSelFontSize(12);
    caja->SetSelCharOffset(-40);
    for (std::size_t p = texto.find('x'); p != std::string::npos; p = texto.find('x', p + 1)) {
        std::size_t q = p + 1;
        while (q < texto.size() && std::isdigit(static_cast<unsigned char>(texto[q])))
            ++q;
        caja->SetSelStart(int(p + 1));
        caja->SetSelLength(int(q - p - 1));
        caja->SetSelFontSize(9);
        caja->SetSelCharOffset(40);
    }
    // The caret at the end, as the display leaves it, does not scroll.
    caja->SetSelStart(int(texto.size()));

    ventana.resize(320, 600);
    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));
    QCoreApplication::processEvents();
    LineasVisibles v = LineasVisibles::De(*caja);
    QVERIFY2(v.total >= 4, qPrintable(QString::number(v.total)));
    QCOMPARE(v.enteras, v.total);
    QVERIFY(!v.barra);
    QVERIFY(caja->height() > RichTextBox::AltoMinimo);
    // Wrapped between terms: every line starts with a sign or the first term.
    for (QTextBlock b = caja->document()->begin(); b.isValid(); b = b.next())
        for (int i = 1; i < b.layout()->lineCount(); ++i) {
            const QString linea = b.text().mid(b.layout()->lineAt(i).textStart()).remove(QChar(0x200B));
            QVERIFY2(linea.startsWith(QLatin1Char('+')) || linea.startsWith(QLatin1Char('-')), qPrintable(linea));
        }

    // No room: the least height, a scroll bar, the first line at the top.
    ventana.resize(320, RichTextBox::AltoMinimo + 40);
    QCoreApplication::processEvents();
    v = LineasVisibles::De(*caja);
    QVERIFY(v.barra);
    QCOMPARE(caja->verticalScrollBar()->value(), 0);
    QVERIFY2(v.todoAlAlcance(), qPrintable(QStringLiteral("%1 %2 %3").arg(v.total).arg(v.enteras).arg(v.cortadas)));
    // Scrolled anywhere, by a step or by hand, the view starts at a line.
    QScrollBar *barra = caja->verticalScrollBar();
    for (int paso = 0; paso < v.total; ++paso) {
        barra->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QVERIFY2(LineasVisibles::De(*caja).todoAlAlcance(), qPrintable(QString::number(barra->value())));
    }
    QCOMPARE(barra->value(), barra->maximum());
    for (int valor = 1; valor < barra->maximum(); valor += 3) {
        barra->setValue(valor);
        QVERIFY2(LineasVisibles::De(*caja).todoAlAlcance(), qPrintable(QString::number(valor)));
    }

    // Room again: all of it, no scroll bar.
    ventana.resize(320, 600);
    QCoreApplication::processEvents();
    v = LineasVisibles::De(*caja);
    QCOMPARE(v.enteras, v.total);
    QVERIFY(!v.barra);
}

QTEST_MAIN(TstRichTextBox)
#include "tst_RichTextBox.moc"
