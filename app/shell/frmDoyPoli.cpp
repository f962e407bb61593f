#include "frmDoyPoli.h"

#include "BotonVentana.h"
#include "GestorVentanas.h"
#include "ListasCualidades.h"
#include "SesionPolinomio.h"
#include "frmPolical.h"

#include "Globales.h"
#include "generapoli.h"

#include "RichTextBox.h"
#include "Twips.h"
#include "Usc.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

namespace {
using plataforma::TwipsAPixeles;

frmPolical *Hub()
{
    return GestorVentanas::instancia().existente<frmPolical>();
}

Usc *Boton(const QString &caption, const QString &nombre, QWidget *padre)
{
    return BotonVentana(caption, nombre, padre, 1150, 450);
}

// Width of the quality box that shows the longest line of any degree whole.
int AnchoCualidades(QComboBox *c)
{
    QStyleOptionComboBox opcion;
    opcion.initFrom(c);
    const int campo = c->style()->subControlRect(QStyle::CC_ComboBox, &opcion, QStyle::SC_ComboBoxEditField, c).width();
    int texto = 0;
    for (int g = 1; g <= 12; ++g)
        for (bool sin : {false, true})
            for (const QString &linea : ListaCualidades(g, sin))
                texto = std::max(texto, c->fontMetrics().horizontalAdvance(linea));
    return std::max(c->width(), texto + c->width() - campo + 4);
}
} // namespace

frmDoyPoli::frmDoyPoli()
{
    const auto T = [](int twips) { return TwipsAPixeles(twips); };
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    m_barra = new QMenuBar(this);
    capa->setMenuBar(m_barra);
    m_mnuSalidaEliges = m_barra->addAction(QStringLiteral("&Regresar"));
    m_mnuSalidaEliges->setObjectName(QStringLiteral("mnuSalidaEliges"));
    auto *cuerpo = new QWidget(this);
    capa->addWidget(cuerpo, 1);

    m_fragradoi = new QGroupBox(QStringLiteral("Elige el Grado"), cuerpo);
    m_fragradoi->setGeometry(T(120), T(120), T(2300), T(900));
    m_label1 = new QLabel(QStringLiteral("GRADO = "), m_fragradoi);
    m_label1->setGeometry(T(120), T(380), T(1000), T(360));
    m_updGrado = new QSpinBox(m_fragradoi);
    m_updGrado->setObjectName(QStringLiteral("UpdGrado"));
    m_updGrado->setRange(1, 12);
    m_updGrado->setValue(1);
    m_updGrado->setGeometry(T(1150), T(330), T(900), T(420));

    m_fraParidad = new QGroupBox(QStringLiteral("Elige Paridad"), cuerpo);
    m_fraParidad->setGeometry(T(2600), T(120), T(2700), T(900));
    m_optparidad1 = new QRadioButton(m_fraParidad);
    m_optparidad1->setObjectName(QStringLiteral("optparidad1"));
    m_optparidad1->setGeometry(T(120), T(380), T(1100), T(360));
    m_optparidad2 = new QRadioButton(QStringLiteral("Sin paridad"), m_fraParidad);
    m_optparidad2->setObjectName(QStringLiteral("optparidad2"));
    m_optparidad2->setGeometry(T(1300), T(380), T(1300), T(360));
    // Both can be clear: the window clears them itself.
    m_optparidad1->setAutoExclusive(false);
    m_optparidad2->setAutoExclusive(false);

    m_fraraices = new QGroupBox(QStringLiteral("Elige el Nº de puntos de inflexión, de críticos y de raíces"), cuerpo);
    m_fraraices->setGeometry(T(120), T(1200), T(5180), T(1000));
    m_cmbCualidades = new QComboBox(m_fraraices);
    m_cmbCualidades->setObjectName(QStringLiteral("CmbCualidades"));
    m_cmbCualidades->setGeometry(T(120), T(400), T(4940), T(420));
    m_cmbCualidades->setPlaceholderText(QStringLiteral("                          CUALIDADES"));
    m_cmbCualidades->setCurrentIndex(-1);

    m_cmdListo = Boton(QStringLiteral("Listo"), QStringLiteral("cmdListo"), cuerpo);
    m_cmdotro = Boton(QStringLiteral("Otro"), QStringLiteral("cmdotro"), cuerpo);
    m_cmdPasa = Boton(QStringLiteral("Continuar"), QStringLiteral("CmdPasa"), cuerpo);
    m_cmdcancela = Boton(QStringLiteral("Cancelar"), QStringLiteral("cmdcancela"), cuerpo);
    m_cmdListo->move(T(180), T(2400));
    m_cmdotro->move(T(1460), T(2400));
    m_cmdPasa->move(T(2740), T(2400));
    m_cmdcancela->move(T(4020), T(2400));

    m_lbldoypoli2 = new QLabel(QStringLiteral("Expresión analítica del polinomio seleccionado:"), cuerpo);
    m_lbldoypoli2->setGeometry(T(120), T(3100), T(5180), T(360));
    m_lbldoypoli = new QLabel(QStringLiteral("P(x) ="), cuerpo);
    m_lbldoypoli->setGeometry(T(120), T(3650), T(700), T(360));
    QFont negrita = m_lbldoypoli->font();
    negrita.setBold(true);
    m_lbldoypoli->setFont(negrita);
    m_lbldoypoli2->setFont(negrita);
    m_rtfdoypoli = new RichTextBox(cuerpo);
    m_rtfdoypoli->setObjectName(QStringLiteral("rtfdoypoli"));
    m_rtfdoypoli->setGeometry(T(840), T(3550), T(4460), T(1000));
    m_rtfdoypoli->SetLocked(true);
    m_rtfdoypoli->SetMuestraPolinomio(true);

    connect(m_updGrado, &QSpinBox::valueChanged, this, [this](int) { UpdGrado_Change(); });
    connect(m_optparidad1, &QRadioButton::clicked, this, [this] { optparidad_Click(false); });
    connect(m_optparidad2, &QRadioButton::clicked, this, [this] { optparidad_Click(true); });
    connect(m_cmbCualidades, &QComboBox::activated, this, [this](int) { CmbCualidades_Click(); });
    connect(m_cmdListo, &Usc::Click, this, [this](int) { cmdListo_Click(); });
    connect(m_cmdotro, &Usc::Click, this, [this](int) { cmdotro_Click(); });
    connect(m_cmdPasa, &Usc::Click, this, [this](int) { CmdPasa_Click(); });
    connect(m_cmdcancela, &Usc::Click, this, [this](int) { cmdcancela_Click(); });
    connect(m_mnuSalidaEliges, &QAction::triggered, this, &frmDoyPoli::cmdcancela_Click);
}

QLineEdit *frmDoyPoli::Txtgrado() const
{
    return m_updGrado->findChild<QLineEdit *>();
}

void frmDoyPoli::alCargar()
{
    // The quality frame grows with its box when the font is wider than designed.
    const auto T = [](int twips) { return TwipsAPixeles(twips); };
    const int anchoLista = AnchoCualidades(m_cmbCualidades);
    m_cmbCualidades->resize(anchoLista, m_cmbCualidades->height());
    m_fraraices->resize(anchoLista + T(240), m_fraraices->height());
    m_rtfdoypoli->resize(m_fraraices->x() + m_fraraices->width() - m_rtfdoypoli->x(), m_rtfdoypoli->height());
    const int ancho = std::max(T(5490), m_fraraices->x() + m_fraraices->width() + T(190));
    coloca(0, 0, ancho, std::min(AltoUtil, T(7305)));
    if (frmPolical *hub = Hub())
        hub->PoneEstadoMenus(EstadoHub::AOrden);
    setWindowTitle(QStringLiteral("Elegir grado y cualidades del polinomio por analizar"));
    m_fragradoi->setTitle(QStringLiteral("Elegir Grado"));
    m_fraParidad->setTitle(QStringLiteral("Elegir Paridad"));
    m_fraraices->setTitle(QStringLiteral("Elegir el Nº de puntos de inflexión, de críticos y de raíces"));
    m_lbldoypoli2->hide();
    m_lbldoypoli->hide();
    m_rtfdoypoli->hide();
    m_cmdListo->Enabled(false);
    m_cmdPasa->Enabled(false);
    m_cmdotro->Enabled(false);
    m_updGrado->setEnabled(true);
    m_optparidad1->setChecked(false);
    m_optparidad2->setChecked(false);
    // Both options read what they stand for from the start, for the degree
    // shown (1 at first), though they wait for a change of degree.
    m_optparidad1->setText(m_updGrado->value() % 2 != 0 ? QStringLiteral("Impar ") : QStringLiteral("Par "));
    m_optparidad1->setEnabled(false);
    m_optparidad2->setEnabled(false);
    m_cmbCualidades->setEnabled(false);

    m_contexto.ayuda = 2;
    m_contexto.apoyo = 2;
    m_contexto.barra = ContextoVentana::Barra({true, true, true, false, true, false, false, false});
    m_contexto.titulo = "Quorvane: Propone un polinomio";
    EstadoBarra = m_contexto.barra;
    m_contexto.entra();
}

void frmDoyPoli::alActivar()
{
    m_contexto.aplica();
}

void frmDoyPoli::UpdGrado_Change()
{
    m_optparidad1->setChecked(false);
    m_optparidad2->setChecked(false);
    m_cmbCualidades->setEnabled(false);
    m_cmbCualidades->clear();
    m_cmbCualidades->setPlaceholderText(QStringLiteral("CUALIDADES"));
    m_cmbCualidades->setCurrentIndex(-1);
    m_optparidad1->setEnabled(true);
    m_optparidad2->setEnabled(true);
    m_grado = static_cast<std::int16_t>(m_updGrado->value());
    m_optparidad1->setText(m_grado % 2 != 0 ? QStringLiteral("Impar ") : QStringLiteral("Par "));
    m_optparidad2->setText(QStringLiteral("Sin paridad"));
    m_cmdListo->Enabled(false);
}

void frmDoyPoli::optparidad_Click(bool sinParidad)
{
    QRadioButton *elegida = sinParidad ? m_optparidad2 : m_optparidad1;
    QRadioButton *otra = sinParidad ? m_optparidad1 : m_optparidad2;
    elegida->setChecked(true);
    otra->setChecked(false);
    m_cmbCualidades->setEnabled(true);
    m_cmbCualidades->clear();
    m_cmbCualidades->setCurrentIndex(-1);
    m_cmbCualidades->addItems(ListaCualidades(m_grado, sinParidad));
    m_cmbCualidades->setCurrentIndex(-1);
    // A new list: a line must be chosen again.
    m_cmdListo->Enabled(false);
}

void frmDoyPoli::CmbCualidades_Click()
{
    if (m_cmbCualidades->currentIndex() >= 0)
        m_cmdListo->Enabled(true);
}

void frmDoyPoli::cmdListo_Click()
{
    if (m_cmbCualidades->currentIndex() < 0)
        return;
    m_updGrado->setEnabled(false);
    m_cmbCualidades->setEnabled(false);
    m_cmdotro->Enabled(true);
    m_cmdListo->hide();
    m_cmdPasa->Enabled(true);
    m_paridad = m_optparidad1->isChecked() ? 0 : 1;
    m_optparidad1->setEnabled(false);
    m_optparidad2->setEnabled(false);
    m_cualidad = static_cast<std::int16_t>(m_cmbCualidades->currentIndex());
    m_lbldoypoli2->show();
    m_lbldoypoli->show();
    m_rtfdoypoli->show();
    cmdotro_Click();
}

void frmDoyPoli::cmdotro_Click()
{
    DamePolinomioProblema(m_grado, m_paridad, m_cualidad);
    if (PoliAzar)
        PoliAzar->Despliega(*m_rtfdoypoli, "");
}

void frmDoyPoli::CmdPasa_Click()
{
    if (!PoliAzar)
        return;
    TomaPoliActual(PoliAzar);
    if (frmPolical *hub = Hub()) {
        hub->PoneEstadoMenus(EstadoHub::Elegido);
        hub->MuestraPolinomio();
    }
    m_contexto.sale();
    NumAyuda = 7;
    NumApoyo = 5;
    PasoGuia = "instrucciones";
    m_saliendo = true;
    descarga();
}

void frmDoyPoli::cmdcancela_Click()
{
    if (frmPolical *hub = Hub())
        hub->PoneEstadoMenus(EstadoHub::Eligiendo);
    m_contexto.sale();
    m_saliendo = true;
    descarga();
}

bool frmDoyPoli::alPedirDescarga()
{
    if (m_saliendo)
        return true;
    cmdcancela_Click();
    return false;
}

void frmDoyPoli::alDescargar()
{
    m_contexto.sale();
}
