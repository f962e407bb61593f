#include "PestanasAjustadas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTabBar>

#include <algorithm>
#include <cmath>

namespace {

class BarraAjustada : public QTabBar {
public:
    explicit BarraAjustada(QWidget *parent)
        : QTabBar(parent)
    {
    }

protected:
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

private:
    // The captions' size: the owner's font where all tabs fit at it, else
    // as much smaller as they need, never below the least size.
    void ajusta()
    {
        const QWidget *duenio = parentWidget();
        if (!duenio || count() == 0)
            return;
        QFont base = duenio->font();
        base.setPointSizeF(QFontInfo(base).pointSizeF());
        const QFontMetrics medida(base);
        int texto = 0, resto = 0;
        for (int i = 0; i < count(); ++i) {
            const int ancho = medida.horizontalAdvance(tabText(i));
            texto += ancho;
            // The tab's own margins, as the style draws them at this font.
            resto += std::max(0, tabSizeHint(i).width() - QFontMetrics(font()).horizontalAdvance(tabText(i)));
        }
        const int sitio = duenio->width() - resto;
        double puntos = base.pointSizeF();
        if (texto > 0 && sitio < texto)
            puntos = std::max(PestanasAjustadas::PuntosMinimos, puntos * sitio / texto);
        QFont f = base;
        f.setPointSizeF(std::floor(puntos * 2) / 2);
        if (f != font())
            setFont(f);
    }
};

} // namespace

PestanasAjustadas::PestanasAjustadas(QWidget *parent)
    : QTabWidget(parent)
{
    setTabBar(new BarraAjustada(this));
}
