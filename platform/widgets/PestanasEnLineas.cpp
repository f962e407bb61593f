#include "PestanasEnLineas.h"

#include <QEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

#include <cstdlib>

namespace {

// The caption broken at the blank nearest its middle (as it is without one).
QString PartidoEnDos(const QString &texto)
{
    const qsizetype medio = texto.size() / 2;
    qsizetype mejor = -1;
    for (qsizetype i = 0; i < texto.size(); ++i)
        if (texto.at(i) == QLatin1Char(' ') && (mejor < 0 || std::abs(i - medio) < std::abs(mejor - medio)))
            mejor = i;
    QString r = texto;
    if (mejor >= 0)
        r[mejor] = QLatin1Char('\n');
    return r;
}

class BarraEnLineas : public QTabBar {
public:
    explicit BarraEnLineas(QWidget *parent)
        : QTabBar(parent)
    {
    }

    bool dosLineas() const
    {
        int una = 0, dos = 0;
        for (int i = 0; i < count(); ++i) {
            una += QTabBar::tabSizeHint(i).width();
            dos += enDosLineas(i).width();
        }
        const int ancho = parentWidget() ? parentWidget()->width() : width();
        return una > ancho && dos <= ancho;
    }

protected:
    QSize tabSizeHint(int indice) const override
    {
        return dosLineas() ? enDosLineas(indice) : QTabBar::tabSizeHint(indice);
    }

    void resizeEvent(QResizeEvent *evento) override
    {
        QTabBar::resizeEvent(evento);
        revisa();
    }

    // A caption changed, or a tab came or went.
    void tabLayoutChange() override
    {
        QTabBar::tabLayoutChange();
        revisa();
    }

    void paintEvent(QPaintEvent *evento) override
    {
        if (!dosLineas()) {
            QTabBar::paintEvent(evento);
            return;
        }
        QStylePainter pintor(this);
        const auto pinta = [&](int i) {
            QStyleOptionTab opcion;
            initStyleOption(&opcion, i);
            opcion.text = PartidoEnDos(opcion.text);
            pintor.drawControl(QStyle::CE_TabBarTab, opcion);
        };
        // The current tab last, over its neighbours' edges.
        for (int i = 0; i < count(); ++i)
            if (i != currentIndex())
                pinta(i);
        if (currentIndex() >= 0)
            pinta(currentIndex());
    }

private:
    void revisa()
    {
        if (dosLineas() == m_dosLineas)
            return;
        m_dosLineas = !m_dosLineas;
        // The tabs' sizes changed: the strip measures and lays them out
        // again, as after a change of font, and its owner its height.
        QEvent cambio(QEvent::FontChange);
        changeEvent(&cambio);
    }

    // The size of a tab with its caption on two lines: the one-line size
    // with the text's own share exchanged.
    QSize enDosLineas(int indice) const
    {
        const QSize una = QTabBar::tabSizeHint(indice);
        const QString texto = tabText(indice);
        const QSize textoUna = fontMetrics().size(Qt::TextShowMnemonic, texto);
        const QSize textoDos = fontMetrics().size(Qt::TextShowMnemonic, PartidoEnDos(texto));
        return {una.width() - textoUna.width() + textoDos.width(), una.height() - textoUna.height() + textoDos.height()};
    }

    bool m_dosLineas = false;
};

} // namespace

PestanasEnLineas::PestanasEnLineas(QWidget *parent)
    : QTabWidget(parent)
{
    setTabBar(new BarraEnLineas(this));
}

bool PestanasEnLineas::EnDosLineas() const
{
    return static_cast<const BarraEnLineas *>(tabBar())->dosLineas();
}
