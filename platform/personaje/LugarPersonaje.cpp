#include "LugarPersonaje.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>
#include <tuple>

namespace {

QRect EnPantalla(const QWidget &w, const QRect &r)
{
    return QRect(w.mapToGlobal(r.topLeft()), r.size());
}

// The lines a text box shows, each as wide as its text.
void LineasVisibles(const QTextEdit &caja, QList<QRect> &zonas)
{
    const QWidget &vista = *caja.viewport();
    const QRect visible = vista.rect();
    const QPoint desplazamiento(caja.horizontalScrollBar()->value(), caja.verticalScrollBar()->value());
    const QTextDocument &documento = *caja.document();
    QAbstractTextDocumentLayout *disposicion = documento.documentLayout();
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        const QRectF marco = disposicion->blockBoundingRect(bloque);
        if (marco.top() - desplazamiento.y() > visible.bottom())
            break;
        if (marco.bottom() - desplazamiento.y() < visible.top())
            continue;
        const QTextLayout *lineas = bloque.layout();
        for (int i = 0; lineas && i < lineas->lineCount(); ++i) {
            const QRectF linea = lineas->lineAt(i).naturalTextRect().translated(marco.topLeft());
            const QRect enVista = linea.toAlignedRect().translated(-desplazamiento) & visible;
            if (!enVista.isEmpty() && linea.width() > 0)
                zonas.append(EnPantalla(vista, enVista));
        }
    }
}

// A label's text (or picture) as its alignment places it.
QRect ContenidoEtiqueta(const QLabel &etiqueta)
{
    const QRect caja = etiqueta.contentsRect();
    if (etiqueta.text().isEmpty())
        return etiqueta.pixmap().isNull() ? QRect() : caja;
    const int banderas = int(etiqueta.alignment()) | (etiqueta.wordWrap() ? int(Qt::TextWordWrap) : 0);
    return etiqueta.fontMetrics().boundingRect(caja, banderas, etiqueta.text()) & caja;
}

bool EsControl(const QWidget &w)
{
    if (qobject_cast<const QAbstractButton *>(&w) || qobject_cast<const QLineEdit *>(&w)
        || qobject_cast<const QComboBox *>(&w) || qobject_cast<const QAbstractSpinBox *>(&w)
        || qobject_cast<const QTabBar *>(&w) || qobject_cast<const QAbstractItemView *>(&w)
        || qobject_cast<const QPlainTextEdit *>(&w))
        return true;
    // A control drawn by the program itself: it takes the keyboard focus
    // and holds no widgets of its own.
    if (!(w.focusPolicy() & Qt::TabFocus))
        return false;
    const QList<QWidget *> hijos = w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    return std::none_of(hijos.begin(), hijos.end(), [](const QWidget *h) { return h->isVisible(); });
}

void Recorre(const QWidget &w, QList<QRect> &zonas)
{
    const QList<QWidget *> hijos = w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *hijo : hijos) {
        if (!hijo->isVisible() || hijo->isWindow())
            continue;
        // The subwindows behind the active one are not in front.
        if (const auto *sub = qobject_cast<const QMdiSubWindow *>(hijo);
            sub && sub->mdiArea() && sub != sub->mdiArea()->activeSubWindow())
            continue;
        if (const auto *texto = qobject_cast<const QTextEdit *>(hijo)) {
            LineasVisibles(*texto, zonas);
        } else if (const auto *barra = qobject_cast<const QMenuBar *>(hijo)) {
            // Its titles, not the empty rest of the bar.
            for (QAction *titulo : barra->actions())
                if (titulo->isVisible() && !barra->actionGeometry(titulo).isEmpty())
                    zonas.append(EnPantalla(*barra, barra->actionGeometry(titulo)));
        } else if (const auto *etiqueta = qobject_cast<const QLabel *>(hijo)) {
            const QRect contenido = ContenidoEtiqueta(*etiqueta);
            if (!contenido.isEmpty())
                zonas.append(EnPantalla(*etiqueta, contenido));
        } else if (EsControl(*hijo)) {
            zonas.append(EnPantalla(*hijo, hijo->rect()));
        } else {
            Recorre(*hijo, zonas);
        }
    }
}

// How much of zonas a figure at r covers, in square pixels.
qint64 Cubierto(const QRect &r, const QList<QRect> &zonas)
{
    qint64 area = 0;
    for (const QRect &z : zonas) {
        const QRect comun = r & z;
        if (!comun.isEmpty())
            area += qint64(comun.width()) * comun.height();
    }
    return area;
}

} // namespace

namespace LugarPersonaje {

QList<QRect> ZonasOcupadas(const QWidget &ventana)
{
    QList<QRect> zonas;
    Recorre(ventana, zonas);
    return zonas;
}

QRect LugarGlobo(QSize tamano, const QRect &figura, const QRect &util, const QList<QRect> &zonas, bool *arriba)
{
    // Its tail reaches a little over the figure; it starts a third of its
    // width left of the figure's middle.
    constexpr int kSobreFigura = 6;
    const int x = std::clamp(figura.center().x() - tamano.width() / 3, util.left(),
                             std::max(util.left(), util.right() + 1 - tamano.width()));
    const QRect encima(QPoint(x, figura.top() - tamano.height() + kSobreFigura), tamano);
    const QRect debajo(QPoint(x, figura.bottom() + 1 - kSobreFigura), tamano);
    // Above first, then below; a side where the screen has no room for it
    // would put it over the figure.
    using Cuenta = std::tuple<bool, qint64, int>;
    const Cuenta arribaCuenta{encima.top() < util.top(), Cubierto(encima, zonas), 0};
    const Cuenta abajoCuenta{debajo.bottom() > util.bottom(), Cubierto(debajo, zonas), 1};
    const bool sube = arribaCuenta < abajoCuenta;
    if (arriba)
        *arriba = sube;
    QRect lugar = sube ? encima : debajo;
    lugar.moveTop(std::clamp(lugar.top(), util.top(), std::max(util.top(), util.bottom() + 1 - tamano.height())));
    return lugar;
}

QPoint Elige(QPoint pedido, QSize tamano, const QRect &util, const QList<QRect> &zonas, QSize globo)
{
    // Figure first, then its balloon, then the distance to pedido.
    using Cuenta = std::tuple<qint64, qint64, qint64>;
    const auto cuenta = [&](QPoint p) {
        const QRect figura(p, tamano);
        const QPoint d = p - pedido;
        return Cuenta{Cubierto(figura, zonas),
                      globo.isEmpty() ? 0 : Cubierto(LugarGlobo(globo, figura, util, zonas), zonas),
                      qint64(d.x()) * d.x() + qint64(d.y()) * d.y()};
    };
    if (cuenta(pedido) == Cuenta{0, 0, 0})
        return pedido;
    // Every place of the screen on a grid of a few pixels, its edges
    // included.
    constexpr int kPaso = 8;
    const int ultimaX = std::max(util.left(), util.right() + 1 - tamano.width());
    const int ultimaY = std::max(util.top(), util.bottom() + 1 - tamano.height());
    QPoint mejor = pedido;
    Cuenta menor = cuenta(pedido);
    for (int y = util.top();; y = std::min(y + kPaso, ultimaY)) {
        for (int x = util.left();; x = std::min(x + kPaso, ultimaX)) {
            const Cuenta c = cuenta(QPoint(x, y));
            if (c < menor) {
                menor = c;
                mejor = QPoint(x, y);
            }
            if (x == ultimaX)
                break;
        }
        if (y == ultimaY)
            break;
    }
    return mejor;
}

} // namespace LugarPersonaje
