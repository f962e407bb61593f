#pragma once
// What a rich text box shows of its lines, read from its document's layout
// and its scroll bar as the student sees them: how many lines it holds,
// how many are in full view, and whether one is cut by the view's edge.
#include "RichTextBox.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

struct LineasVisibles {
    int total = 0;
    int enteras = 0;
    int cortadas = 0;
    bool barra = false;

    // Every line in full view, or the rest within reach of the scroll bar.
    bool todoAlAlcance() const { return cortadas == 0 && (enteras == total || (barra && enteras > 0)); }

    static LineasVisibles De(const RichTextBox &caja)
    {
        LineasVisibles v;
        v.barra = caja.verticalScrollBar()->isVisible();
        const double arriba = caja.verticalScrollBar()->value();
        const double abajo = arriba + caja.viewport()->height();
        for (QTextBlock b = caja.document()->begin(); b.isValid(); b = b.next()) {
            const QTextLayout *l = b.layout();
            for (int i = 0; l && i < l->lineCount(); ++i) {
                const double y0 = l->position().y() + l->lineAt(i).y();
                const double y1 = y0 + l->lineAt(i).height();
                ++v.total;
                // A pixel of rounding either way.
                if (y0 >= arriba - 1 && y1 <= abajo + 1)
                    ++v.enteras;
                else if (y1 > arriba + 1 && y0 < abajo - 1)
                    ++v.cortadas;
            }
        }
        return v;
    }
};
