#pragma once
// The tour window's page view: local HTML pages with their links, history
// and title. A page that cannot be found shows a short page of ours
// instead of an empty view.
#include <QTextBrowser>

class NavegadorGuia : public QTextBrowser {
    Q_OBJECT
public:
    explicit NavegadorGuia(QWidget *parent = nullptr);
    // The page's title, or its file name when it has none.
    QString nombreUbicacion() const;
    // The address as the address bar shows it.
    QString direccion() const;
    static QUrl comoUrl(const QString &direccion);

    QVariant loadResource(int type, const QUrl &name) override;
};
