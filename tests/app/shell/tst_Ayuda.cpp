// The help window as the student meets it: the pages of each help topic
// behind the toolbar's "ayuda", its place and its way out, the texts another
// window writes into it, missing pages, and "ayuda" and "apoyo" pressed in
// exercises of the hub and of the graph road.
#include "tst_HubSesion.h"
#include "tst_PrincipalArranque.h"
#include "TextoPagina.h"

#include "CajaPagina.h"
#include "CatalogoEjercicios.h"
#include "ListaOpciones.h"
#include "frmApoyoRtf.h"
#include "frmAyuda.h"

#include "Twips.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

using plataforma::TwipsAPixeles;

namespace {
// "ayuda" pressed on the toolbar with the screen's help topic numAyuda.
frmAyuda *PulsaAyuda(frmMdiCalcDife &principal, int numAyuda)
{
    NumAyuda = static_cast<std::int16_t>(numAyuda);
    principal.botonPorClave(QStringLiteral("ayuda"))->trigger();
    return frmAyuda::Existente();
}
} // namespace

class tst_Ayuda : public QObject {
    Q_OBJECT

private slots:
    void paginasDeCadaTema_data()
    {
        QTest::addColumn<int>("tema");
        QTest::addColumn<QString>("cuerpo");     // page under "\ayuda", or none
        QTest::addColumn<QString>("titulo");     // page under "\rotulo", or a fixed text
        QTest::addColumn<QString>("observa");    // page under "\observa"
        QTest::newRow("0 inicio") << 0 << "ayuMnuInicio" << "titu0" << "obser0";
        QTest::newRow("6 raíz real") << 6 << "ayuRaiReal" << "Encontrar el valor de una raíz real" << "obser1";
        QTest::newRow("2 a la orden") << 2 << "ayuMnuConstPoli" << "Eliges características del polinomio a analizar"
                                      << "obser0";
        QTest::newRow("4 mismo título") << 4 << "AyuConcepGrafi" << "Eliges características del polinomio a analizar"
                                        << "obser0";
        QTest::newRow("12 mismo cuerpo que 4") << 12 << "AyuConcepGrafi" << "¿Cómo empezar a construir?" << "obser2";
        QTest::newRow("61 título fijo tal cual") << 61 << "ayuRecTang" << "¿Cómo reconozco cada curva?" << "obser2";
        for (int tema : {23, 28, 57, 59, 68, 99, -1})
            QTest::addRow("%d sin páginas", tema) << tema << "" << "" << "obser0";
    }
    void paginasDeCadaTema()
    {
        QFETCH(int, tema);
        QFETCH(QString, cuerpo);
        QFETCH(QString, titulo);
        QFETCH(QString, observa);
        ArranquePrueba p;
        QVERIFY(p.Carga());
        p.CierraPortada();
        frmAyuda *w = PulsaAyuda(*p.principal, tema);
        QVERIFY(w);
        // Modal, through the one modal wait, under its own caption.
        QCOMPARE(p.cajas.Titulos(), QStringList{"Quorvane: Ayuda"});
        QCOMPARE(w->windowTitle(), QStringLiteral("Quorvane: Ayuda"));

        const auto pagina = [](const char *carpeta, const QString &nombre) {
            return TextoPagina(std::string(carpeta) + "\\" + nombre.toStdString() + ".html");
        };
        QCOMPARE(w->rtbAyudaDes()->toPlainText(), cuerpo.isEmpty() ? QString() : pagina("ayuda", cuerpo));
        const bool tituloEsPagina = titulo.startsWith(QLatin1String("titu"));
        QCOMPARE(w->rtbtitulo()->toPlainText(), tituloEsPagina ? pagina("rotulo", titulo) : titulo);
        QCOMPARE(w->rtbObserva()->toPlainText(), pagina("observa", observa));
        QVERIFY(!w->rtbObserva()->toPlainText().isEmpty());
    }

    void cadaAyudaEsUnaVentanaNuevaQueCierraSuBoton()
    {
        ArranquePrueba p;
        QVERIFY(p.Carga());
        p.CierraPortada();
        QPointer<frmAyuda> primera = PulsaAyuda(*p.principal, 6);
        QVERIFY(primera);
        // Beside the panel, below the toolbar, ending above the usable height.
        const QPoint lugar = p.principal->area()->mapToGlobal(
            QPoint(AnchoPanel + TwipsAPixeles(40), TwipsAPixeles(650)));
        QCOMPARE(primera->pos(), lugar);
        QVERIFY(primera->pos().y() + primera->height() <= p.principal->area()->mapToGlobal(QPoint(0, AltoUtil)).y());

        QPointer<frmAyuda> segunda = PulsaAyuda(*p.principal, 11);
        ArranquePrueba::Suelta();
        QVERIFY(!primera);
        QVERIFY(segunda);
        QCOMPARE(segunda->rtbtitulo()->toPlainText(), QStringLiteral("¿Como resolver la paridad de la función?"));

        segunda->show();
        QTest::mouseClick(segunda->CmdAyuda(), Qt::LeftButton);
        ArranquePrueba::Suelta();
        QVERIFY(!segunda);
        QVERIFY(!frmAyuda::Existente());
    }

    void f1EsLaAyuda()
    {
        ArranquePrueba p;
        QVERIFY(p.Carga());
        p.CierraPortada();
        p.principal->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.principal.get()));
        QTest::keyClick(p.principal.get(), Qt::Key_F1);
        QVERIFY(frmAyuda::Existente());
        QCOMPARE(frmAyuda::Existente()->rtbAyudaDes()->toPlainText(), TextoPagina("\\ayuda\\ayuMnuInicio.html"));
    }

    void textosDeOtraVentanaSinEsperar()
    {
        // The calculator's own help: plain texts, the window modeless, and
        // opened again it is the same window with the new texts.
        ArranquePrueba p;
        QVERIFY(p.Carga());
        p.CierraPortada();
        const int esperas = p.cajas.Cuenta();
        frmAyuda *w = frmAyuda::AbreTextos(QStringLiteral("¿Como operar la calculadora?"),
                                           QStringLiteral("Esta calculadora opera en forma normal. <b>"),
                                           QStringLiteral("Oprime cerrar, para cancelar esta información."));
        QVERIFY(w);
        QCOMPARE(p.cajas.Cuenta(), esperas);
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowModality(), Qt::NonModal);
        QCOMPARE(w->rtbtitulo()->toPlainText(), QStringLiteral("¿Como operar la calculadora?"));
        QCOMPARE(w->rtbAyudaDes()->toPlainText(), QStringLiteral("Esta calculadora opera en forma normal. <b>"));
        QCOMPARE(w->rtbObserva()->toPlainText(), QStringLiteral("Oprime cerrar, para cancelar esta información."));

        QCOMPARE(frmAyuda::AbreTextos(QStringLiteral("Otra"), QString(), QString()), w);
        QCOMPARE(w->rtbtitulo()->toPlainText(), QStringLiteral("Otra"));
        QVERIFY(w->rtbAyudaDes()->toPlainText().isEmpty());
        QTest::keyClick(w, Qt::Key_Escape);
        ArranquePrueba::Suelta();
        QVERIFY(!frmAyuda::Existente());
    }

    void paginasQueFaltanLoDicen()
    {
        ArranquePrueba p;
        QVERIFY(p.Carga());
        p.CierraPortada();
        // The body of topic 6 is there but empty; nothing else is.
        QTemporaryDir otra;
        QVERIFY(QDir(otra.path()).mkdir(QStringLiteral("ayuda")));
        QFile vacia(otra.filePath(QStringLiteral("ayuda/ayuRaiReal.html")));
        QVERIFY(vacia.open(QIODevice::WriteOnly));
        vacia.close();
        FijaCarpetaPrograma(otra.path().toStdString());
        const QString falta = QStringLiteral("No se pudo encontrar el archivo ");
        frmAyuda *w = PulsaAyuda(*p.principal, 6);
        QVERIFY(w);
        QCOMPARE(w->rtbAyudaDes()->toPlainText(), falta + "ayuRaiReal.html");
        QCOMPARE(w->rtbObserva()->toPlainText(), falta + "obser1.html");
        // A fixed title is no page: it still shows.
        QCOMPARE(w->rtbtitulo()->toPlainText(), QStringLiteral("Encontrar el valor de una raíz real"));
        w = PulsaAyuda(*p.principal, 0);
        QCOMPARE(w->rtbtitulo()->toPlainText(), falta + "titu0.html");
        QCOMPARE(w->rtbAyudaDes()->toPlainText(), falta + "ayuMnuInicio.html");
        // A topic without pages is not a missing page.
        w = PulsaAyuda(*p.principal, 23);
        QVERIFY(w->rtbAyudaDes()->toPlainText().isEmpty());
        QCOMPARE(p.cajas.Titulos(), (QStringList{"Quorvane: Ayuda", "Quorvane: Ayuda", "Quorvane: Ayuda"}));
    }

    void ayudaYApoyoEnLosEjercicios()
    {
        // An exercise of the hub, then one of the graph of P: each key
        // opens the pages of the screen in front, and is closed again.
        SesionPrueba s;
        const auto abre = [&s](const char *clave) {
            QAction *boton = s.principal->botonPorClave(QString::fromLatin1(clave));
            if (!boton->isEnabled())
                return QStringLiteral("%1 apagada").arg(clave);
            boton->trigger();
            QString visto;
            if (frmAyuda *a = frmAyuda::Existente()) {
                visto = a->rtbtitulo()->toPlainText() + " | " + a->rtbAyudaDes()->toPlainText();
                a->CmdAyuda_Click();
            } else if (frmApoyoRtf *a = frmApoyoRtf::Existente()) {
                visto = a->lblapoyo1()->text() + " | " + a->rchTextoPrinc()->toPlainText();
                a->cmdCancelar_Click();
            }
            SesionPrueba::Suelta();
            return visto;
        };
        const auto apoyo = [](int fila) {
            return QString::fromStdString(ListaApoyos.Texto(0, fila)) + " | "
                   + TextoPagina("\\apoyo" + ListaApoyos.Texto(1, fila));
        };
        const QString paridad = QStringLiteral("¿Como resolver la paridad de la función? | ")
                                + TextoPagina("\\ayuda\\ayuParidad.html");

        s.DaPolinomio(QStringLiteral("x^3-x"));
        s.Hub()->OptCalcConcepto(2)->click();
        QCOMPARE(abre("ayuda"), paridad);
        QCOMPARE(abre("apoyo"), apoyo(9));
        CierraEjercicios();
        SesionPrueba::Suelta();

        ListaOpciones camino;
        QVERIFY(AbreEjercicio(2, Camino::GraficaPoli, camino));
        QCOMPARE(NumApoyo, std::int16_t(61));
        QCOMPARE(abre("ayuda"), paridad);
        QCOMPARE(abre("apoyo"), apoyo(61));
        CierraEjercicios();
    }
};

QTEST_MAIN(tst_Ayuda)
#include "tst_Ayuda.moc"
