// The toolbar's "ayuda" and "apoyo" in a construction: each opens the
// pages of the stage the student is at (the requirement, then the question
// once p is accepted).
#include "EscenaConstruccion.h"

#include "../shell/TextoPagina.h"

#include "TemasAyuda.h"
#include "frmApoyoRtf.h"
#include "frmAyuda.h"
#include "frmConRaices.h"

#include "CajaPagina.h"

#include <QAction>
#include <QLabel>

namespace {
// What the key's window shows, "heading | page", closed again after.
QString Abre(EscenaConstruccion &s, const char *clave)
{
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
}

QString Ayuda(int tema)
{
    const TemaAyuda t = TemaDeAyuda(tema);
    const QString titulo = t.tituloTexto.empty() ? TextoPagina(t.tituloArchivo)
                                                 : QString::fromStdString(t.tituloTexto);
    return titulo + " | " + TextoPagina(t.cuerpo);
}

QString Apoyo(int fila)
{
    return QString::fromStdString(ListaApoyos.Texto(0, fila)) + " | "
           + TextoPagina("\\apoyo" + ListaApoyos.Texto(1, fila));
}
} // namespace

class tst_AyudaConstruccion : public QObject {
    Q_OBJECT

private slots:
    void paginasDeCadaEtapa()
    {
        EscenaConstruccion s;
        // Roots -2, 1 and 3 drawn.
        auto *w = s.elige<frmConRaices>(0, {0.4f, 0, 0.15f, 0.1f, 0.25f, 0, 0.35f});
        QVERIFY(w);
        QCOMPARE(Abre(s, "ayuda"), Ayuda(30));
        QCOMPARE(Abre(s, "apoyo"), Apoyo(20));

        // p accepted: the question "is there another one?".
        QCOMPARE(s.responde(*w, "(x+2)(x-1)(x-3)"), QStringList{EscenaConstruccion::Exito(40)});
        QCOMPARE(Abre(s, "ayuda"), Ayuda(40));
        QCOMPARE(Abre(s, "apoyo"), Apoyo(21));
        // The pages closed, the construction is still the screen in front.
        QCOMPARE(NumAyuda, 40);
        QCOMPARE(SesionPrueba::Ventana<frmConRaices>(), w);
    }
};

QTEST_MAIN(tst_AyudaConstruccion)
#include "tst_AyudaConstruccion.moc"
