#pragma once
// The help viewer: a window that shows the pages of a Qt Help book (.qch),
// opened on a topic. Topic n is the book's keyword with the identifier
// "tema-n". The book's contents list stands at the left of the page; links
// open inside the viewer, and "Atrás" and "Adelante" walk the pages seen.
#include <QMainWindow>
#include <QString>
#include <QUrl>

#include <memory>

class NavegadorAyuda;
class QAction;
class QHelpContentWidget;
class QHelpEngine;
class QTextBrowser;

class VisorAyuda : public QMainWindow {
    Q_OBJECT
public:
    // Opens the book; Abierto() tells whether it could, Error() why not.
    explicit VisorAyuda(const QString &libro, QWidget *parent = nullptr);
    ~VisorAyuda() override;

    bool Abierto() const { return m_abierto; }
    QString Error() const { return m_error; }

    // The page of topic n; empty when the book has no such topic.
    QUrl PaginaDeTema(int tema) const;
    // Shows the topic's page and brings the window to the front; false when
    // the book has no such topic (the window is then left as it was).
    bool MuestraTema(int tema);
    // The page shown.
    QUrl Pagina() const;

    QTextBrowser *navegador() const;
    QHelpContentWidget *contenido() const { return m_contenido; }
    QAction *atras() const { return m_atras; }
    QAction *adelante() const { return m_adelante; }

private:
    bool Abre(const QString &libro);
    // A folder where a collection of our own can be written; empty if none.
    static QString CarpetaColeccion();
    void creaVentana();
    void abre(const QUrl &pagina);
    // The contents list marks the page shown.
    void marcaEnContenido(const QUrl &pagina);

    std::unique_ptr<QHelpEngine> m_motor;
    bool m_abierto = false;
    QString m_error;
    NavegadorAyuda *m_navegador = nullptr;
    QHelpContentWidget *m_contenido = nullptr;
    QAction *m_atras = nullptr;
    QAction *m_adelante = nullptr;
};
