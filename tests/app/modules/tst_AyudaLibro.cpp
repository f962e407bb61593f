// The help launcher: a missing or broken book is told once per try and
// nothing fails; the built book opens at the topic asked for, its links
// and its contents list lead to their pages inside the viewer, and the
// viewer walks back and forth through the pages seen.
#include "AyudaLibro.h"
#include "DoblesVentanas.h"
#include "Globales.h"
#include "RutaPrograma.h"
#include "VisorAyuda.h"

#include "EsperaModal.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>

#include <filesystem>

// Stands for the desktop's browser: records what it is asked to open.
class EscritorioPrueba : public QObject {
    Q_OBJECT
public:
    QList<QUrl> abiertos;
public slots:
    void abre(const QUrl &url) { abiertos << url; }
};

namespace {
// The first link of the page to another page of the book, and a point on
// it in the page's viewport (scrolled into view).
std::pair<QUrl, QPoint> PrimerEnlace(QTextBrowser &pagina)
{
    for (QTextBlock b = pagina.document()->begin(); b.isValid(); b = b.next()) {
        for (auto f = b.begin(); !f.atEnd(); ++f) {
            const QTextFragment trozo = f.fragment();
            const QString destino = trozo.charFormat().anchorHref();
            if (destino.isEmpty() || destino.startsWith('#') || trozo.length() < 2)
                continue;
            QTextCursor cursor(pagina.document());
            cursor.setPosition(trozo.position() + trozo.length() / 2);
            pagina.setTextCursor(cursor);
            pagina.ensureCursorVisible();
            return {pagina.source().resolved(QUrl(destino)), pagina.cursorRect(cursor).center()};
        }
    }
    return {};
}

void PulsaEnBarra(QMainWindow &ventana, QAction *accion)
{
    for (QToolBar *barra : ventana.findChildren<QToolBar *>())
        if (QWidget *tecla = barra->widgetForAction(accion))
            QTest::mouseClick(tecla, Qt::LeftButton);
}
} // namespace

class tst_AyudaLibro : public QObject {
    Q_OBJECT

private:
    // The book the build made next to the program, if it was made.
    static QString LibroConstruido()
    {
        const QString libro = QCoreApplication::applicationDirPath() + "/../bin/data/texto/Quorvane.qch";
        return QFileInfo::exists(libro) ? QFileInfo(libro).canonicalFilePath() : QString();
    }

private slots:
    void init()
    {
        ReiniciaGlobales();
        OlvidaObjetoAyuda();
    }
    void cleanup()
    {
        OlvidaObjetoAyuda();
        FijaCarpetaPrograma({});
    }

    void elLibroEstaEnLaCarpetaDelPrograma()
    {
        CarpetaTemporal carpeta;
        carpeta.Escribe("Texto/quorvane.QCH", "x");
        FijaCarpetaPrograma(carpeta.Ruta());
        QCOMPARE(LibroAyudaPrograma(), (carpeta.Ruta() / "Texto" / "quorvane.QCH").string());
    }

    void sinLibroUnMensajePorIntento()
    {
        PoneArchivoAyuda("/no/existe/Quorvane.qch");
        QCOMPARE(ArchivoAyuda, std::string("/no/existe/Quorvane.qch"));
        plataforma::ContestadorPrueba cajas;
        QVERIFY(!CreaObjetoAyuda());
        QCOMPARE(cajas.Cuenta(), 1);
        QVERIFY(cajas.Textos().at(0).contains("Quorvane.qch"));
        QCOMPARE(cajas.Titulos().at(0), QCoreApplication::applicationName());
        MuestraAyuda(1);
        QCOMPARE(cajas.Cuenta(), 2);
        QVERIFY(ObjAyuda() == nullptr);
    }

    void libroRotoTambienSeDice()
    {
        CarpetaTemporal carpeta;
        carpeta.Escribe("texto/Quorvane.qch", "esto no es un libro");
        PoneArchivoAyuda((carpeta.Ruta() / "texto" / "Quorvane.qch").string());
        plataforma::ContestadorPrueba cajas;
        MuestraAyuda(1);
        QCOMPARE(cajas.Cuenta(), 1);
        QVERIFY(ObjAyuda() == nullptr);
    }

    void abreElTemaPedido()
    {
        const QString libro = LibroConstruido();
        if (libro.isEmpty())
            QSKIP("the help book was not built (target quorvane_datos)");
        PoneArchivoAyuda(libro.toStdString());
        plataforma::ContestadorPrueba cajas;
        MuestraAyuda(1);
        QCOMPARE(cajas.Cuenta(), 0);
        VisorAyuda *visor = ObjAyuda();
        QVERIFY(visor);
        QVERIFY(visor->isVisible());
        QVERIFY(visor->Pagina().toString().endsWith("introduccion.html"));
        QVERIFY(visor->navegador()->toPlainText().contains("Quorvane"));

        MuestraAyuda(6);
        QVERIFY(visor->Pagina().toString().endsWith("raices.html"));
        QCOMPARE(ObjAyuda(), visor); // made once

        // A topic the book does not have leaves the page as it was.
        MuestraAyuda(9999);
        QVERIFY(visor->Pagina().toString().endsWith("raices.html"));
        QCOMPARE(cajas.Cuenta(), 0);
    }

    void losEnlacesLlevanASuPaginaDentroDelVisor()
    {
        const QString libro = LibroConstruido();
        if (libro.isEmpty())
            QSKIP("the help book was not built (target quorvane_datos)");
        EscritorioPrueba escritorio;
        QDesktopServices::setUrlHandler("qthelp", &escritorio, "abre");
        PoneArchivoAyuda(libro.toStdString());
        plataforma::ContestadorPrueba cajas;
        MuestraAyuda(1);
        VisorAyuda *visor = ObjAyuda();
        QVERIFY(visor && QTest::qWaitForWindowExposed(visor));
        const QUrl portada = visor->Pagina();
        QVERIFY(!visor->atras()->isEnabled());
        QVERIFY(!visor->adelante()->isEnabled());

        const auto [destino, punto] = PrimerEnlace(*visor->navegador());
        QVERIFY(destino.isValid() && destino.adjusted(QUrl::RemoveFragment) != portada);
        QTest::mouseClick(visor->navegador()->viewport(), Qt::LeftButton, {}, punto);
        QCOMPARE(visor->Pagina(), destino);
        QVERIFY(!visor->navegador()->toPlainText().isEmpty());
        QVERIFY(escritorio.abiertos.isEmpty()); // nothing handed to the desktop

        PulsaEnBarra(*visor, visor->atras());
        QCOMPARE(visor->Pagina(), portada);
        QVERIFY(visor->adelante()->isEnabled());
        PulsaEnBarra(*visor, visor->adelante());
        QCOMPARE(visor->Pagina(), destino);
        QVERIFY(!visor->adelante()->isEnabled());
        QDesktopServices::unsetUrlHandler("qthelp");
        QCOMPARE(cajas.Cuenta(), 0);
    }

    void elContenidoLlevaASusPaginas()
    {
        const QString libro = LibroConstruido();
        if (libro.isEmpty())
            QSKIP("the help book was not built (target quorvane_datos)");
        PoneArchivoAyuda(libro.toStdString());
        MuestraAyuda(1);
        VisorAyuda *visor = ObjAyuda();
        QVERIFY(visor && QTest::qWaitForWindowExposed(visor));
        QHelpContentWidget *lista = visor->contenido();
        auto *modelo = qobject_cast<QHelpContentModel *>(lista->model());
        QVERIFY(modelo);
        QTRY_VERIFY(!modelo->isCreatingContents() && modelo->rowCount() > 0);
        // The page shown is marked in the list.
        QCOMPARE(modelo->contentItemAt(lista->currentIndex())->url(), visor->Pagina());

        // Another page of the list, as the student clicks it.
        QModelIndex otra;
        for (int i = 0; i < modelo->rowCount() && !otra.isValid(); ++i) {
            const QModelIndex capitulo = modelo->index(i, 0);
            for (int j = -1; j < modelo->rowCount(capitulo) && !otra.isValid(); ++j) {
                const QModelIndex indice = j < 0 ? capitulo : modelo->index(j, 0, capitulo);
                if (modelo->contentItemAt(indice)->url() != visor->Pagina())
                    otra = indice;
            }
        }
        QVERIFY(otra.isValid());
        lista->scrollTo(otra);
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualRect(otra).center());
        QCOMPARE(visor->Pagina(), modelo->contentItemAt(otra)->url());
        QVERIFY(visor->atras()->isEnabled());
    }

    void libroSinColeccionSeRegistraAparte()
    {
        const QString libro = LibroConstruido();
        if (libro.isEmpty())
            QSKIP("the help book was not built (target quorvane_datos)");
        CarpetaTemporal carpeta;
        const QString copia = QString::fromStdString((carpeta.Ruta() / "Quorvane.qch").string());
        QVERIFY(QFile::copy(libro, copia));
        qputenv("XDG_CACHE_HOME", QByteArray::fromStdString((carpeta.Ruta() / "cache").string()));
        PoneArchivoAyuda(copia.toStdString());
        plataforma::ContestadorPrueba cajas;
        MuestraAyuda(8);
        qunsetenv("XDG_CACHE_HOME");
        QCOMPARE(cajas.Cuenta(), 0);
        QVERIFY(ObjAyuda());
        QVERIFY(ObjAyuda()->Pagina().toString().endsWith("signo.html"));
    }

    // With a home that cannot be written (the cache folder lies under a
    // plain file), the book registers in the temporary folder; when that
    // cannot be written either, the student is told so in Spanish alone.
    void sinCarpetaPersonalEscribible()
    {
        const QString libro = LibroConstruido();
        if (libro.isEmpty())
            QSKIP("the help book was not built (target quorvane_datos)");
        CarpetaTemporal carpeta;
        carpeta.Escribe("bloqueo", "un archivo, no una carpeta");
        std::filesystem::create_directories(carpeta.Ruta() / "tmp");
        const QString copia = QString::fromStdString((carpeta.Ruta() / "Quorvane.qch").string());
        QVERIFY(QFile::copy(libro, copia));
        const QByteArray bloqueada = QByteArray::fromStdString((carpeta.Ruta() / "bloqueo" / "x").string());
        const QByteArray temporal = qgetenv("TMPDIR");
        qputenv("XDG_CACHE_HOME", bloqueada);
        qputenv("TMPDIR", QByteArray::fromStdString((carpeta.Ruta() / "tmp").string()));
        PoneArchivoAyuda(copia.toStdString());
        plataforma::ContestadorPrueba cajas;
        MuestraAyuda(8);
        QCOMPARE(cajas.Cuenta(), 0);
        QVERIFY(ObjAyuda());
        OlvidaObjetoAyuda();

        qputenv("TMPDIR", bloqueada);
        MuestraAyuda(8);
        qunsetenv("XDG_CACHE_HOME");
        if (temporal.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", temporal);
        QVERIFY(ObjAyuda() == nullptr);
        QCOMPARE(cajas.Cuenta(), 1);
        const QString texto = cajas.Textos().at(0);
        QVERIFY2(texto.startsWith("No se pudo abrir el libro de ayuda ") && texto.endsWith(" ni en la temporal"),
                 qPrintable(texto));
    }
};

QTEST_MAIN(tst_AyudaLibro)
#include "tst_AyudaLibro.moc"
