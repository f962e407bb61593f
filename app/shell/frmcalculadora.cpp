#include "frmcalculadora.h"

#include "BotonVentana.h"
#include "GestorVentanas.h"
#include "LecturaCalculadora.h"
#include "frmAyuda.h"

#include "Globales.h"

#include "CajaMensaje.h"
#include "Twips.h"
#include "Usc.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {
using plataforma::TwipsAPixeles;

// The picture of a key that has no caption (root, power).
QIcon Dibujo(const QString &texto, const QFont &fuente)
{
    QPixmap imagen(40, 24);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    QFont f = fuente;
    f.setPointSizeF(fuente.pointSizeF() * 1.2);
    pintor.setFont(f);
    pintor.drawText(imagen.rect(), Qt::AlignCenter, texto);
    return QIcon(imagen);
}
} // namespace

frmcalculadora *frmcalculadora::Abre()
{
    auto &gestor = GestorVentanas::instancia();
    frmcalculadora *calculadora = gestor.ventana<frmcalculadora>();
    gestor.muestra(calculadora);
    return calculadora;
}

frmcalculadora::frmcalculadora()
{
    setWindowFlags(Qt::Dialog);
    setAcceptDrops(true);

    auto *rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(TwipsAPixeles(90), TwipsAPixeles(90), TwipsAPixeles(90), TwipsAPixeles(90));
    rejilla->setSpacing(TwipsAPixeles(60));

    m_readout = new LecturaCalculadora(this);
    m_readout->setObjectName(QStringLiteral("Readout"));
    m_readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_readout->setFrameShape(QFrame::Panel);
    m_readout->setFrameShadow(QFrame::Sunken);
    m_readout->setAutoFillBackground(true);
    QPalette papel = m_readout->palette();
    papel.setColor(QPalette::Window, Qt::white);
    m_readout->setPalette(papel);
    QFont grande = m_readout->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    grande.setBold(true);
    m_readout->setFont(grande);
    m_readout->setTextInteractionFlags(Qt::NoTextInteraction);
    m_readout->setFixedHeight(TwipsAPixeles(420));
    rejilla->addWidget(m_readout, 0, 0, 1, 6);

    const auto tecla = [this](const QString &caption, const QString &nombre) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(nombre);
        b->setAutoDefault(false);
        return b;
    };
    for (int i = 0; i < 10; ++i) {
        QPushButton *b = tecla(QString::number(i), QStringLiteral("Number%1").arg(i));
        connect(b, &QPushButton::clicked, this, [this, i] { Number_Click(i); });
        m_number[static_cast<std::size_t>(i)] = b;
    }
    const QString captions[] = {QStringLiteral("/"), QStringLiteral("+"), QStringLiteral("X"), QStringLiteral("-"),
                                QStringLiteral("="), QString(), QString()};
    for (int i = 0; i < 7; ++i) {
        QPushButton *b = tecla(captions[i], QStringLiteral("Operator%1").arg(i));
        connect(b, &QPushButton::clicked, this, [this, i] { Operator_Click(i); });
        m_operator[static_cast<std::size_t>(i)] = b;
    }
    // Root and power show a picture alone.
    m_operator[5]->setIcon(Dibujo(QStringLiteral("ⁿ√x"), font()));
    m_operator[5]->setAccessibleName(QStringLiteral("raíz"));
    m_operator[6]->setIcon(Dibujo(QStringLiteral("xⁿ"), font()));
    m_operator[6]->setAccessibleName(QStringLiteral("potencia"));
    for (QPushButton *b : {m_operator[5], m_operator[6]})
        b->setIconSize(QSize(40, 24));

    m_decimal = tecla(QStringLiteral("."), QStringLiteral("Decimal"));
    connect(m_decimal, &QPushButton::clicked, this, [this] { Decimal_Click(); });
    m_percent = tecla(QStringLiteral("%"), QStringLiteral("Percent"));
    connect(m_percent, &QPushButton::clicked, this, [this] { Percent_Click(); });
    m_cmdAyuda = tecla(QStringLiteral("?"), QStringLiteral("CmdAyuda"));
    connect(m_cmdAyuda, &QPushButton::clicked, this, [this] { CmdAyuda_Click(); });

    m_cancel = BotonVentana(QStringLiteral("C"), QStringLiteral("Cancel"), this, 900, 360);
    connect(m_cancel, &Usc::Click, this, [this](int) { Cancel_Click(); });
    m_cancelEntry = BotonVentana(QStringLiteral("CE"), QStringLiteral("CancelEntry"), this, 900, 360);
    connect(m_cancelEntry, &Usc::Click, this, [this](int) { CancelEntry_Click(); });
    m_cmdcalculadora = BotonVentana(QStringLiteral("Cancelar"), QStringLiteral("cmdcalculadora"), this, 900, 360);
    connect(m_cmdcalculadora, &Usc::Click, this, [this](int) { cmdcalculadora_Click(); });

    // Digits left, the operators beside them, then root, power and percent,
    // and the clearing keys at the right.
    const auto fila = [rejilla](int r, std::initializer_list<QWidget *> teclas) {
        int c = 0;
        for (QWidget *w : teclas) {
            // The keys share the window's design width, whatever the style
            // would ask for a push button.
            w->setMinimumSize(TwipsAPixeles(450), TwipsAPixeles(300));
            w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            rejilla->addWidget(w, r, c++);
        }
    };
    fila(1, {m_number[7], m_number[8], m_number[9], m_operator[0], m_operator[5], m_cancel});
    fila(2, {m_number[4], m_number[5], m_number[6], m_operator[2], m_operator[6], m_cancelEntry});
    fila(3, {m_number[1], m_number[2], m_number[3], m_operator[3], m_percent, m_cmdAyuda});
    fila(4, {m_number[0], m_decimal, m_operator[4], m_operator[1], m_cmdcalculadora});
    rejilla->addWidget(m_cmdcalculadora, 4, 4, 1, 2);
    for (int c = 0; c < 6; ++c)
        rejilla->setColumnStretch(c, 1);
    for (int r = 1; r <= 4; ++r)
        rejilla->setRowStretch(r, 1);
}

void frmcalculadora::Form_Load()
{
    const auto T = [](int twips) { return TwipsAPixeles(twips); };
    resize(T(6525), T(2445));
    // Beside the exercise panel, clear of its answer boxes.
    colocaSobreArea(AnchoPanel + T(40), T(650));
    m_calculadora.carga();
    setWindowTitle(QStringLiteral("Quorvane: Calculadora"));
    muestraLectura();
}

void frmcalculadora::muestraLectura()
{
    m_readout->setText(QString::fromStdString(m_calculadora.lectura()));
}

void frmcalculadora::Number_Click(int indice)
{
    m_calculadora.digito(indice);
    muestraLectura();
}

void frmcalculadora::Operator_Click(int indice)
{
    const Calculadora::Aviso aviso = m_calculadora.operador(static_cast<Calculadora::Operador>(indice));
    if (!aviso.empty())
        plataforma::CajaMensaje(QString::fromStdString(aviso), plataforma::CajaIconoExclamacion,
                                QStringLiteral("Calculadora"));
    muestraLectura();
}

void frmcalculadora::Decimal_Click()
{
    m_calculadora.punto();
    muestraLectura();
}

void frmcalculadora::Percent_Click()
{
    m_calculadora.porciento();
    muestraLectura();
}

void frmcalculadora::Cancel_Click()
{
    m_calculadora.borra();
    Form_Load();
}

void frmcalculadora::CancelEntry_Click()
{
    m_calculadora.borraEntrada();
    muestraLectura();
}

void frmcalculadora::cmdcalculadora_Click()
{
    Cancel_Click();
    GestorVentanas::instancia().oculta(this);
}

void frmcalculadora::CmdAyuda_Click()
{
    frmAyuda::AbreTextos(QStringLiteral("¿Como operar la calculadora?"),
                         QStringLiteral("Esta calculadora opera en forma normal. Para "
                                        "una operación se imprime el número, enseguida el operador, "
                                        "después el otro número y finalmente el igual. Si por ejemplo, "
                                        "deseas calcular la raíz cuadrada de 6, se oprime el botón con 6, "
                                        "después el botón de raíz, enseguida el 2 y finalmente el igual. "
                                        "De igual forma cuando desees elevar un número a alguna potencia."),
                         QStringLiteral("Oprime cerrar, para cancelar esta información."));
}

void frmcalculadora::dragEnterEvent(QDragEnterEvent *evento)
{
    evento->ignore();
}

void frmcalculadora::dropEvent(QDropEvent *evento)
{
    evento->ignore();
}
