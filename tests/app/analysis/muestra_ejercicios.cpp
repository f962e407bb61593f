// The exercise windows as the student sees them, saved as pictures in the
// folder given: the extension window with its limit legends on the graph,
// the first derivative window with its error message and after it, and
// the point-list windows: roots, critical points, their classification and
// inflection points, and a critical point typed twice.
// Not a test: run it (under a display) and look.
#include "GestorVentanas.h"
#include "frmClaPtoCri.h"
#include "frmMdiCalcDife.h"
#include "frmMensaje.h"
#include "frmPolical.h"
#include "frmPortada.h"
#include "frmPuntosCriticos.h"
#include "frmPuntosInfle.h"
#include "frmderivada1.h"
#include "frmextension.h"
#include "frmraices.h"

#include "Globales.h"
#include "SesionPolinomio.h"

#include "EsperaModal.h"
#include "RichTextBox.h"
#include "RichTextPolin.h"
#include "UCDextavo.h"
#include "Usc.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {
QString g_carpeta;
int g_mensajes = 0;

void Asienta()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void Guarda(QWidget &w, const QString &nombre)
{
    Asienta();
    w.grab().save(QDir(g_carpeta).filePath(nombre));
}

// Types a polynomial: "^" raises, "_" lowers.
void EscribePoli(RichTextPolin &caja, const QString &guion)
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

void DaPolinomio(std::initializer_list<std::pair<double, int>> terminos)
{
    PoliPtr p = Collpolinomio::Nuevo();
    for (const auto &[c, e] : terminos)
        p->Agrega(c, static_cast<std::int16_t>(e));
    TomaPoliActual(p);
    GestorVentanas::instancia().existente<frmPolical>()->MuestraPolinomio();
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    g_carpeta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(g_carpeta);

    // Each message is shown for a moment and saved, then closed.
    plataforma::FijaContestador([](QWidget &w) {
        w.show();
        Guarda(w, QStringLiteral("mensaje_%1.png").arg(++g_mensajes));
        w.hide();
        return 0;
    });

    frmMdiCalcDife principal;
    principal.resize(1280, 900);
    if (!principal.MDIForm_Load())
        return 1;
    auto &gestor = GestorVentanas::instancia();
    if (frmPortada *portada = gestor.existente<frmPortada>())
        portada->cmdCancelar_Click();
    Asienta();
    principal.mnupoli_Click();
    Asienta();

    // Extension of -2x^3 + x: the left limit accepted, then both legends.
    DaPolinomio({{-2, 3}, {1, 1}});
    gestor.existente<frmPolical>()->OptCalcConcepto(3)->click();
    auto *ext = gestor.existente<frmextension>();
    QTest::keyClicks(ext->txtLimite(0)->Caja(), QStringLiteral("+i"));
    QTest::mouseClick(ext->CmdExtensaListo(), Qt::LeftButton);
    Guarda(principal, QStringLiteral("extension_un_limite.png"));
    QTest::keyClicks(ext->txtLimite(1)->Caja(), QStringLiteral("-i"));
    ext->DibujaLimites(true, true);
    Guarda(principal, QStringLiteral("extension_dos_leyendas.png"));
    ext->Cancela();
    Asienta();

    // First derivative of x^3 - 3x answered without its constant term.
    DaPolinomio({{1, 3}, {-3, 1}});
    gestor.existente<frmPolical>()->OptCalcConcepto(4)->click();
    auto *d1 = gestor.existente<frmderivada1>();
    EscribePoli(*d1->RtpPidePoliR(), QStringLiteral("3x^2"));
    QTest::mouseClick(d1->cmdListo(), Qt::LeftButton);
    Guarda(principal, QStringLiteral("derivada1_tras_error.png"));

    d1->Cancela();
    Asienta();

    // The point lists of x^3 - 3x + 2 and x^3 - 3x, each with a value given.
    auto daValor = [](VentanaPuntos &w, const QString &valor) {
        w.txtRespuesta()->Text(valor);
        QTest::mouseClick(w.cmdListo(), Qt::LeftButton);
    };
    DaPolinomio({{1, 3}, {-3, 1}, {2, 0}});
    gestor.existente<frmPolical>()->OptCalcConcepto(0)->click();
    auto *raices = gestor.existente<frmraices>();
    Guarda(principal, QStringLiteral("raices_cuenta.png"));
    daValor(*raices, QStringLiteral("3"));
    daValor(*raices, QStringLiteral("1"));
    daValor(*raices, QStringLiteral("-2"));
    Guarda(principal, QStringLiteral("raices_dos_dadas.png"));
    raices->Cancela();
    Asienta();

    DaPolinomio({{1, 3}, {-3, 1}});
    gestor.existente<frmPolical>()->OptCalcConcepto(5)->click();
    auto *criticos = gestor.existente<frmPuntosCriticos>();
    daValor(*criticos, QStringLiteral("1"));
    Guarda(principal, QStringLiteral("criticos_uno_dado.png"));
    criticos->Cancela();
    Asienta();
    ConceptoResuelto[5] = true;
    ConceptoResuelto[6] = true;
    gestor.existente<frmPolical>()->OptCalcConcepto(7)->click();
    Guarda(principal, QStringLiteral("clasificacion.png"));
    gestor.existente<frmClaPtoCri>()->Cancela();
    Asienta();
    gestor.existente<frmPolical>()->OptCalcConcepto(9)->click();
    daValor(*gestor.existente<frmPuntosInfle>(), QStringLiteral("0"));
    Guarda(principal, QStringLiteral("inflexion.png"));
    gestor.existente<frmPuntosInfle>()->Cancela();
    Asienta();

    // P' = 3(x - 1)(x - 1.005): 1 typed twice is given already, not taken
    // for 1.005 within the tolerance.
    DaPolinomio({{1, 3}, {-3.0075, 2}, {3.015, 1}});
    gestor.existente<frmPolical>()->OptCalcConcepto(5)->click();
    criticos = gestor.existente<frmPuntosCriticos>();
    daValor(*criticos, QStringLiteral("1"));
    daValor(*criticos, QStringLiteral("1"));
    Guarda(principal, QStringLiteral("criticos_repetido.png"));

    plataforma::FijaContestador({});
    gestor.descargaTodas();
    Asienta();
    return 0;
}
