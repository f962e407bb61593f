#include "frmLogo.h"

#include "Twips.h"
#include "princip.h"

#include "Usc.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

using plataforma::TwipsAPixeles;

namespace {
int tw(int twips) { return TwipsAPixeles(twips); }

// Texts of the label array, by index.
const char *const kTextos[15] = {
    "Differential calculus of polynomials, step by step",
    "Quorvane",
    "Quorvane: learning calculus by doing",
    "Version 1.0",
    "Desarrollo:",
    "Equipo de desarrollo de Quorvane",
    "Con la colaboración de:",
    "Revisión didáctica:\nequipo de profesores\nde matemáticas",
    "Pruebas con estudiantes:\ngrupos de bachillerato",
    "Textos de ayuda y apoyo",
    "Diseño gráfico:\nanimaciones y figuras",
    "Este programa está protegido por las leyes de derechos de autor.",
    "Traducción de los mensajes",
    "Registro 1.0",
    "Comunidad de usuarios",
};
} // namespace

frmLogo::frmLogo(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLogo"));
    setWindowTitle(QStringLiteral("Acerca de Quorvane"));
    setModal(true);

    m_fraLogo = new QFrame(this);
    m_fraLogo->setFrameShape(QFrame::StyledPanel);
    m_frmLogo2 = new QFrame(m_fraLogo);
    m_frmLogo3 = new QFrame(m_fraLogo);
    m_frmLogo4 = new QFrame(m_fraLogo);
    m_fraLogo2 = new QFrame(m_fraLogo);
    m_fraLogo2->setFrameShape(QFrame::StyledPanel);

    for (int i = 0; i < 15; ++i) {
        QWidget *padre = m_fraLogo;
        if (i == 4 || i == 5)
            padre = m_frmLogo4;
        else if (i >= 6 && i != 11 && i != 13)
            padre = m_fraLogo2;
        auto *l = new QLabel(QString::fromUtf8(kTextos[i]), padre);
        l->setObjectName(QStringLiteral("LblLogo%1").arg(i));
        m_lblLogo.append(l);
    }
    QFont grande(QStringLiteral("DejaVu Serif"));
    grande.setPointSize(26);
    grande.setBold(true);
    m_lblLogo[1]->setFont(grande);
    m_lblLogo[1]->setStyleSheet(QStringLiteral("color: #1e3c8c;"));

    // Fixed places of the first view (twips).
    m_frmLogo2->setGeometry(tw(240), tw(240), tw(2200), tw(2200));
    m_frmLogo3->setGeometry(tw(360), tw(360), tw(1960), tw(1960));
    // The program's icon as the logo picture, on a plain background when
    // there is no icon.
    const QIcon icono = QApplication::windowIcon();
    if (icono.isNull()) {
        m_frmLogo3->setStyleSheet(QStringLiteral("background: qlineargradient(x1:0,y1:0,x2:1,y2:1, stop:0 #1e3c8c, stop:1 #ffc83c); border-radius: 8px;"));
    } else {
        auto *pctLogo = new QLabel(m_frmLogo3);
        pctLogo->setObjectName(QStringLiteral("PctLogo"));
        pctLogo->setPixmap(icono.pixmap(tw(1960), tw(1960)));
        pctLogo->setGeometry(0, 0, tw(1960), tw(1960));
    }
    m_lblLogo[1]->move(tw(2640), tw(600));
    m_lblLogo[0]->move(tw(2640), tw(1500));
    m_lblLogo[3]->move(tw(2640), tw(2000));
    m_frmLogo4->setGeometry(tw(2640), tw(3300), tw(4800), tw(800));
    m_lblLogo[4]->move(tw(120), 0);
    m_lblLogo[5]->move(tw(120), tw(300));
    m_lblLogo[6]->move(tw(120), tw(120));
    int y = tw(420);
    for (int i : {7, 8, 9, 10, 12, 14}) {
        m_lblLogo[i]->move(tw(120), y);
        m_lblLogo[i]->adjustSize();
        y += m_lblLogo[i]->height() + tw(60);
    }
    m_lblLogo[13]->move(tw(2640), tw(4300));

    m_cmdCreditos = new Usc(m_fraLogo);
    m_cmdCreditos->Caption(QStringLiteral("Créditos"));
    m_cmdCreditos->setGeometry(tw(4200), tw(4500), tw(1300), tw(400));
    m_cmdCancelar = new Usc(m_fraLogo);
    m_cmdCancelar->Caption(QStringLiteral("Cancelar"));
    m_cmdCancelar->setGeometry(tw(5800), tw(4500), tw(1300), tw(400));
    connect(m_cmdCreditos, &Usc::Click, this, [this](int) { cmdCreditos_Click(); });
    connect(m_cmdCancelar, &Usc::Click, this, [this](int) { reject(); });

    // First view.
    setFixedSize(tw(7800), tw(5500));
    m_fraLogo2->hide();
    m_fraLogo->setGeometry(0, 0, tw(7700), tw(5400));
    m_lblLogo[2]->move(tw(2640), tw(2640));
    m_lblLogo[11]->move(tw(360), tw(5160));
    for (QLabel *l : m_lblLogo)
        l->adjustSize();
    // Keys the buttons do not take reach the window, which closes on any.
    m_cmdCancelar->setFocus();
    // Centred over the main window.
    if (parent)
        move(parent->window()->frameGeometry().center() - rect().center());
}

void frmLogo::cmdCreditos_Click()
{
    m_creditos = true;
    setFixedSize(tw(8330), tw(6500));
    m_fraLogo->setGeometry(0, 0, tw(8300), tw(6450));
    m_fraLogo2->setGeometry(tw(420), tw(2000), tw(3840), tw(4180));
    // The credits frame covers what of the first view lies under it.
    m_fraLogo2->setAutoFillBackground(true);
    m_fraLogo2->raise();
    m_fraLogo2->show();
    m_frmLogo2->hide();
    m_frmLogo3->hide();
    m_frmLogo4->move(tw(4200), tw(5200));
    m_lblLogo[2]->move(tw(4720), tw(3240));
    m_lblLogo[11]->move(tw(360), tw(6200));
    m_cmdCreditos->hide();
    m_cmdCancelar->move(tw(5700), tw(4500));
}

void frmLogo::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    reject();
}

bool frmLogo::event(QEvent *event)
{
    const bool r = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        CentraCursor(*m_cmdCancelar);
    return r;
}
