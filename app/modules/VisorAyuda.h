#pragma once
// The help viewer: a window that shows the pages of a Qt Help book
// (.qch), opened on a topic. Topic n is the book's keyword with the
// identifier "tema-n".
#include <QString>
#include <QTextBrowser>
#include <QUrl>

#include <memory>

class QHelpEngineCore;

class VisorAyuda : public QTextBrowser {
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

    QVariant loadResource(int tipo, const QUrl &nombre) override;

private:
    bool Abre(const QString &libro);

    std::unique_ptr<QHelpEngineCore> m_motor;
    bool m_abierto = false;
    QString m_error;
};
