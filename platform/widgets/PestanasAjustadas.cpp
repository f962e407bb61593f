#include "PestanasAjustadas.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

#include <algorithm>
#include <cmath>
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

class BarraAjustada : public QTabBar {
public:
    explicit BarraAjustada(QWidget *parent)
        : QTabBar(parent)
    {
    }

    bool dosLineas() const { return m_dosLineas; }

protected:
    QSize tabSizeHint(int indice) const override
    {
        if (!m_dosLineas)
            return QTabBar::tabSizeHint(indice);
        // The one-line size with the text's own share exchanged.
        const QSize una = QTabBar::tabSizeHint(indice);
        const QString texto = tabText(indice);
        const QSize textoUna = fontMetrics().size(Qt::TextShowMnemonic, texto);
        const QSize textoDos = fontMetrics().size(Qt::TextShowMnemonic, PartidoEnDos(texto));
        return {una.width() - textoUna.width() + textoDos.width(), una.height() - textoUna.height() + textoDos.height()};
    }

    void resizeEvent(QResizeEvent *evento) override
    {
        QTabBar::resizeEvent(evento);
        ajusta();
    }

    // A caption changed, or a tab came or went.
    void tabLayoutChange() override
    {
        QTabBar::tabLayoutChange();
        ajusta();
    }

    void paintEvent(QPaintEvent *evento) override
    {
        if (!m_dosLineas) {
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
    // The captions' size: the owner's font where all tabs fit at it, else
    // as much smaller as they need down to the least size; where even that
    // does not fit, the owner's font on two lines (the strip grows taller).
    void ajusta()
    {
        const QWidget *duenio = parentWidget();
        if (!duenio || count() == 0)
            return;
        QFont base = duenio->font();
        base.setPointSizeF(QFontInfo(base).pointSizeF());
        const QFontMetrics medida(base), actual(font());
        int texto = 0, textoDos = 0, resto = 0;
        for (int i = 0; i < count(); ++i) {
            texto += medida.horizontalAdvance(tabText(i));
            textoDos += medida.size(Qt::TextShowMnemonic, PartidoEnDos(tabText(i))).width();
            // The tab's own margins, as the style draws them.
            resto += std::max(0, QTabBar::tabSizeHint(i).width() - actual.horizontalAdvance(tabText(i)));
        }
        const int sitio = duenio->width() - resto;
        double puntos = base.pointSizeF();
        bool dos = false;
        if (texto > 0 && sitio < texto) {
            puntos = puntos * sitio / texto;
            if (puntos < PestanasAjustadas::PuntosMinimos) {
                dos = textoDos <= sitio;
                puntos = dos ? base.pointSizeF() : PestanasAjustadas::PuntosMinimos;
            }
        }
        QFont f = base;
        f.setPointSizeF(std::floor(puntos * 2) / 2);
        const bool cambiaModo = dos != m_dosLineas;
        m_dosLineas = dos;
        if (f != font()) {
            setFont(f);
        } else if (cambiaModo) {
            // The tabs' sizes changed: the strip measures and lays them out
            // again, as after a change of font, and its owner its height.
            QEvent cambio(QEvent::FontChange);
            changeEvent(&cambio);
        }
    }

    bool m_dosLineas = false;
};

} // namespace

PestanasAjustadas::PestanasAjustadas(QWidget *parent)
    : QTabWidget(parent)
{
    setTabBar(new BarraAjustada(this));
}

bool PestanasAjustadas::EnDosLineas() const
{
    return static_cast<const BarraAjustada *>(tabBar())->dosLineas();
}
