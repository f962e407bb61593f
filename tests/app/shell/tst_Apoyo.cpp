// The support window as the student meets it: the page of the screen's
// support row under its word, green link words that preview a page or a
// picture beside it, a press elsewhere that closes the preview, and rows,
// pages and links that lead nowhere.
#include "tst_PrincipalArranque.h"

#include "princip.h"
#include "TextoPagina.h"

#include "Apoyo.h"
#include "CajaPagina.h"
#include "RegistroVentanas.h"
#include "frmApoyoRtf.h"

#include "Twips.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextBlock>

using plataforma::TwipsAPixeles;

namespace {
// The program started, the cover closed, every modal window shown on the
// screen as the student would see it (the wait itself answered at once).
struct ApoyoPrueba : ArranquePrueba {
    ApoyoPrueba()
    {
        respuesta = [](QWidget &w) {
            w.show();
            (void)QTest::qWaitForWindowExposed(&w);
            return 0;
        };
        if (Carga())
            CierraPortada();
    }
    // "apoyo" pressed with the screen's support row numApoyo.
    frmApoyoRtf *Abre(int numApoyo)
    {
        NumApoyo = static_cast<std::int16_t>(numApoyo);
        AccionBarra(*principal, QStringLiteral("apoyo"));
        return frmApoyoRtf::Existente();
    }
};

// Where on the page a press falls: inside the link word to row salto, or on
// character pos of the page; in the page's viewport, scrolled into sight.
QPoint Punto(QTextBrowser &caja, int pos)
{
    QTextCursor c(caja.document());
    c.setPosition(pos + 1);
    caja.setTextCursor(c);
    caja.ensureCursorVisible();
    return caja.cursorRect(c).center();
}
QPoint PuntoDeEnlace(QTextBrowser &caja, int salto)
{
    const QString destino = QStringLiteral("salto:%1").arg(salto);
    for (QTextBlock b = caja.document()->begin(); b.isValid(); b = b.next())
        for (auto f = b.begin(); !f.atEnd(); ++f)
            if (f.fragment().charFormat().anchorHref() == destino)
                return Punto(caja, f.fragment().position());
    return {};
}
void Pulsa(frmApoyoRtf &w, QPoint punto)
{
    QTest::mouseClick(w.rchTextoPrinc()->viewport(), Qt::LeftButton, {}, punto);
}
// The pointer passing over a point of the page, no button down.
void Pasa(QTextBrowser &caja, QPoint punto)
{
    QMouseEvent paso(QEvent::MouseMove, punto, caja.viewport()->mapToGlobal(punto), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(caja.viewport(), &paso);
}
QString Titulo(int salto)
{
    return QString::fromStdString(ListaSaltos.Texto(0, salto));
}
} // namespace

class tst_Apoyo : public QObject {
    Q_OBJECT

private slots:
    void paginaYPalabraDeLaFila_data()
    {
        QTest::addColumn<int>("fila");
        QTest::newRow("inicio") << 1;
        QTest::newRow("raíz real") << 7;
        QTest::newRow("paridad en la gráfica") << 61;
        QTest::newRow("última") << 83;
    }
    void paginaYPalabraDeLaFila()
    {
        QFETCH(int, fila);
        ApoyoPrueba p;
        frmApoyoRtf *w = p.Abre(fila);
        QVERIFY(w);
        QCOMPARE(p.cajas.Titulos(), QStringList{"Quorvane: Apoyo"});
        QCOMPARE(w->lblapoyo1()->text(), QString::fromStdString(ListaApoyos.Texto(0, fila)));
        QCOMPARE(w->rchTextoPrinc()->toPlainText(), TextoPagina("\\apoyo" + ListaApoyos.Texto(1, fila)));
        QVERIFY(!w->rtfHyper()->isVisible());
        QVERIFY(!w->PicHyper()->isVisible());
        QCOMPARE(w->UltimoSalto(), 0);
    }

    void lugarYMedida()
    {
        ApoyoPrueba p;
        frmApoyoRtf *w = p.Abre(7);
        QVERIFY(w);
        QCOMPARE(w->pos(), p.principal->area()->mapToGlobal(QPoint(AnchoPanel + TwipsAPixeles(40), TwipsAPixeles(350))));
        QCOMPARE(w->height(), AltoUtil - TwipsAPixeles(400));
        QTest::mouseClick(w->cmdCancelar(), Qt::LeftButton);
        ArranquePrueba::Suelta();
        QVERIFY(!frmApoyoRtf::Existente());
    }

    // The page takes the window's width where two columns would be too
    // narrow (1024 by 768), the preview opening below it; in a wider window
    // the preview keeps its column beside the page. Either way the page
    // does not move or narrow under the pointer when a preview opens.
    void paginaAlAnchoDeLaVentana_data()
    {
        QTest::addColumn<QSize>("pantalla");
        QTest::addColumn<bool>("aLado");
        QTest::newRow("1024x768") << QSize(1024, 768) << false;
        QTest::newRow("1280x800") << QSize(1280, 800) << true;
    }
    void paginaAlAnchoDeLaVentana()
    {
        QFETCH(QSize, pantalla);
        QFETCH(bool, aLado);
        ApoyoPrueba p;
        p.principal->resize(pantalla);
        p.principal->show();
        TomaMedidas();
        frmApoyoRtf *w = p.Abre(7);
        QVERIFY(w);
        QCoreApplication::processEvents();
        QTextBrowser &pagina = *w->rchTextoPrinc();
        const QRect antes = pagina.geometry();
        const int anchoMarco = pagina.parentWidget()->contentsRect().width();
        QVERIFY2(aLado ? antes.width() < anchoMarco * 2 / 3 : antes.width() > anchoMarco * 9 / 10,
                 qPrintable(QStringLiteral("%1 of %2").arg(antes.width()).arg(anchoMarco)));
        Pulsa(*w, PuntoDeEnlace(pagina, 3));
        QCoreApplication::processEvents();
        QVERIFY(w->rtfHyper()->isVisible());
        QCOMPARE(pagina.geometry().topLeft(), antes.topLeft());
        QCOMPARE(pagina.width(), antes.width());
        const QRect previa = w->rtfHyper()->parentWidget()->geometry();
        QVERIFY(aLado ? previa.left() >= antes.right() : previa.top() >= pagina.geometry().bottom());
        QVERIFY(w->rtfHyper()->height() > 3 * w->rtfHyper()->fontMetrics().height());
        // Closed again, the page has its whole room back.
        Pulsa(*w, Punto(pagina, 0));
        QCoreApplication::processEvents();
        QCOMPARE(pagina.geometry(), antes);
    }

    void enlacesVerdesConManoQueSenala()
    {
        ApoyoPrueba p;
        frmApoyoRtf *w = p.Abre(7);
        QVERIFY(w);
        QTextBrowser &pagina = *w->rchTextoPrinc();
        const QPoint enlace = PuntoDeEnlace(pagina, 3);
        QVERIFY(!enlace.isNull());
        const QTextCharFormat formato = pagina.cursorForPosition(enlace).charFormat();
        QCOMPARE(formato.foreground().color(), QColor(51, 154, 102));
        QVERIFY(formato.fontUnderline());
        // No mark in front of the word: the page reads as plain Spanish.
        QVERIFY(!pagina.toPlainText().contains(QLatin1Char('\\')));

        Pasa(pagina, enlace);
        QCOMPARE(pagina.viewport()->cursor().shape(), Qt::PointingHandCursor);
        Pasa(pagina, Punto(pagina, 0));
        QCOMPARE(pagina.viewport()->cursor().shape(), Qt::ArrowCursor);
    }

    void unEnlaceMuestraSuPaginaOSuFigura()
    {
        ApoyoPrueba p;
        frmApoyoRtf *w = p.Abre(7);
        QVERIFY(w);
        const QString palabra = w->lblapoyo1()->text();
        QTextBrowser &pagina = *w->rchTextoPrinc();

        // Row 3 is a page: shown as text beside the page, its title above.
        Pulsa(*w, PuntoDeEnlace(pagina, 3));
        QCOMPARE(w->lblapoyo1()->text(), Titulo(3));
        QVERIFY(w->rtfHyper()->isVisible());
        QVERIFY(!w->PicHyper()->isVisible());
        QCOMPARE(w->rtfHyper()->toPlainText(), TextoPagina(ListaSaltos.Texto(1, 3)));
        QCOMPARE(w->UltimoSalto(), 3);
        // The same link again keeps the preview as the student left it.
        w->rtfHyper()->selectAll();
        Pulsa(*w, PuntoDeEnlace(pagina, 3));
        QVERIFY(w->rtfHyper()->textCursor().hasSelection());
        QCOMPARE(w->lblapoyo1()->text(), Titulo(3));

        // Row 24 is a picture: the picture preview takes the place.
        QVERIFY(ListaSaltos.Texto(1, 24).ends_with(".png"));
        Pulsa(*w, PuntoDeEnlace(pagina, 24));
        QCOMPARE(w->lblapoyo1()->text(), Titulo(24));
        QVERIFY(!w->rtfHyper()->isVisible());
        QVERIFY(w->PicHyper()->isVisible());
        QVERIFY(!w->PicHyper()->pixmap().isNull());
        // Whole inside its place, however large the picture.
        QVERIFY(w->PicHyper()->pixmap().width() <= w->PicHyper()->parentWidget()->width());

        // A press on plain text (the page's first character) closes it.
        Pulsa(*w, Punto(pagina, 0));
        QCOMPARE(w->lblapoyo1()->text(), palabra);
        QVERIFY(!w->rtfHyper()->isVisible());
        QVERIFY(!w->PicHyper()->isVisible());
        QCOMPARE(w->UltimoSalto(), 0);
        // And once more changes nothing.
        Pulsa(*w, Punto(pagina, 0));
        QCOMPARE(w->lblapoyo1()->text(), palabra);
    }

    void unEnlaceSeAlcanzaConElTeclado()
    {
        // Tab walks the page's links, Enter previews the one reached.
        ApoyoPrueba p;
        frmApoyoRtf *w = p.Abre(7);
        QVERIFY(w);
        QTextBrowser &pagina = *w->rchTextoPrinc();
        pagina.setFocus();
        pagina.moveCursor(QTextCursor::Start);
        QTest::keyClick(&pagina, Qt::Key_Tab);
        const int salto = NumeroSalto(pagina.textCursor().charFormat().anchorHref().toStdString());
        QVERIFY(salto > 0);
        QTest::keyClick(&pagina, Qt::Key_Return);
        QCOMPARE(w->UltimoSalto(), salto);
        QCOMPARE(w->lblapoyo1()->text(), Titulo(salto));
    }

    void loQueNoLlevaANadaLoDice()
    {
        ApoyoPrueba p;
        // Rows the support list lacks: the window opens with the message
        // for the missing page, never blank and never silent.
        for (int fila : {0, ListaApoyos.UltimaFila() + 1, 500}) {
            frmApoyoRtf *w = p.Abre(fila);
            QVERIFY(w);
            QCOMPARE(w->rchTextoPrinc()->toPlainText(), QStringLiteral("No se pudo encontrar el archivo de apoyo"));
            w->cmdCancelar_Click();
            ArranquePrueba::Suelta();
        }
        // A page that is missing, or that holds nothing, shows the message
        // naming it under its word.
        QTemporaryDir otra;
        QVERIFY(QDir(otra.path()).mkdir(QStringLiteral("apoyo")));
        QFile vacia(otra.filePath(QStringLiteral("apoyo/vacia.html")));
        QVERIFY(vacia.open(QIODevice::WriteOnly));
        vacia.write("<html><body><p> </p></body></html>");
        vacia.close();
        FijaCarpetaPrograma(otra.path().toStdString());
        for (const char *pagina : {"no-esta.html", "vacia.html"}) {
            ListaApoyos.PoneTexto(1, 7, std::string("\\") + pagina);
            frmApoyoRtf *w = p.Abre(7);
            QVERIFY(w);
            QVERIFY(w->isVisible());
            QCOMPARE(w->rchTextoPrinc()->toPlainText(),
                     QStringLiteral("No se pudo encontrar el archivo ") + QString::fromLatin1(pagina));
            QCOMPARE(w->lblapoyo1()->text(), QString::fromStdString(ListaApoyos.Texto(0, 7)));
            w->cmdCancelar_Click();
            ArranquePrueba::Suelta();
        }
        FijaCarpetaPrograma({});

        // A link to a row the jump list lacks opens no preview; a link to a
        // page or picture that is missing previews the message for it.
        ListaApoyos.PoneTexto(1, 7, "\\raices.html");
        ListaSaltos.Redimensiona(23);
        ListaSaltos.PoneTexto(0, 3, "Signo");
        ListaSaltos.PoneTexto(1, 3, "apoyo\\no-esta.html");
        ListaSaltos.PoneTexto(0, 23, "Número de raíces");
        ListaSaltos.PoneTexto(1, 23, "apoyo\\no-esta.png");
        frmApoyoRtf *w = p.Abre(7);
        QVERIFY(w);
        Pulsa(*w, PuntoDeEnlace(*w->rchTextoPrinc(), 24));
        QCOMPARE(w->lblapoyo1()->text(), QString::fromStdString(ListaApoyos.Texto(0, 7)));
        QVERIFY(!w->rtfHyper()->isVisible());
        QVERIFY(!w->PicHyper()->isVisible());

        Pulsa(*w, PuntoDeEnlace(*w->rchTextoPrinc(), 3));
        QCOMPARE(w->lblapoyo1()->text(), QStringLiteral("Signo"));
        QVERIFY(w->rtfHyper()->isVisible());
        QCOMPARE(w->rtfHyper()->toPlainText(), QStringLiteral("No se pudo encontrar el archivo no-esta.html"));
        Pulsa(*w, PuntoDeEnlace(*w->rchTextoPrinc(), 23));
        QCOMPARE(w->lblapoyo1()->text(), QStringLiteral("Número de raíces"));
        QVERIFY(!w->rtfHyper()->isVisible());
        QVERIFY(w->PicHyper()->isVisible());
        QCOMPARE(w->PicHyper()->text(), QStringLiteral("No se pudo encontrar el archivo no-esta.png"));
    }
};

QTEST_MAIN(tst_Apoyo)
#include "tst_Apoyo.moc"
