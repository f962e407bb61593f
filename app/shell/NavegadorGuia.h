#pragma once
// The tour window's page view: local HTML pages with their links, history
// and title. A page that cannot be found shows a short page of ours
// instead of an empty view. Addresses are written relative to the tour's
// own folder.
#include <QTextBrowser>

class NavegadorGuia : public QTextBrowser {
    Q_OBJECT
public:
    explicit NavegadorGuia(QWidget *parent = nullptr);
    // The folder of the tour's pages: addresses are read and written
    // relative to it.
    void fijaCarpeta(const QString &carpeta) { m_carpeta = carpeta; }
    // The page's title, or its file name when it has none.
    QString nombreUbicacion() const;
    // The page on show, as the address bar shows it.
    QString direccion() const;
    // The same, with the full path of a local page.
    QString direccionCompleta() const;
    // What an address typed or kept in the bar points at.
    QUrl comoUrl(const QString &direccion) const;

    QVariant loadResource(int type, const QUrl &name) override;

private:
    QString m_carpeta;
    // The page on show. source() still names the page before while a
    // followed link reports its change.
    QUrl m_ubicacion;
};
