#include "MarcaAcierto.h"

MarcaAcierto::MarcaAcierto(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    QFont f = font();
    f.setPointSize(18);
    f.setBold(true);
    setFont(f);
}

void MarcaAcierto::pon(bool acierto)
{
    m_estado = acierto ? QStringLiteral("v") : QStringLiteral("x");
    setText(acierto ? QStringLiteral("✓") : QStringLiteral("✗"));
    QPalette p = palette();
    p.setColor(QPalette::WindowText, acierto ? QColor(0, 128, 0) : QColor(192, 0, 0));
    setPalette(p);
}
