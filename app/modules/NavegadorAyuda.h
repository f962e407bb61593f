#pragma once
// The page pane of the help viewer: shows the pages of a Qt Help book and
// follows its links inside the viewer, with a history for back and forward.
// Links that leave the book (web addresses, mail) go to the desktop.
#include <QTextBrowser>
#include <QUrl>

class QHelpEngineCore;

class NavegadorAyuda : public QTextBrowser {
    Q_OBJECT
public:
    NavegadorAyuda(QHelpEngineCore &motor, QWidget *parent = nullptr);

    QVariant loadResource(int tipo, const QUrl &nombre) override;

private:
    void abreEnlace(const QUrl &enlace);

    QHelpEngineCore &m_motor;
};
