#pragma once
// The mark beside an answer row: a tick when the row is right, a cross
// when it is wrong. Its state reads "v" or "x", as the checks set it.
#include <QLabel>

class MarcaAcierto : public QLabel {
    Q_OBJECT
public:
    explicit MarcaAcierto(QWidget *parent = nullptr);

    void pon(bool acierto);
    // "v" right, "x" wrong, "" not set.
    QString estado() const { return m_estado; }

private:
    QString m_estado;
};
