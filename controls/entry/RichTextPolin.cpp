#include "RichTextPolin.h"

#include "Entero16.h"
#include "Regional.h"
#include "RichTextBox.h"
#include "Twips.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

const std::string FuenteNormal = "Lucida Sans Unicode";
const QString Digitos = QStringLiteral("0123456789");

} // namespace

// The inner rich text box: its keys, focus and pastes go through the
// control's filter before the box sees them.
class CajaPolinomio : public RichTextBox {
public:
    explicit CajaPolinomio(RichTextPolin *duenio)
        : RichTextBox(duenio), m_duenio(duenio)
    {
        setLineWrapMode(QTextEdit::NoWrap);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setContextMenuPolicy(Qt::NoContextMenu);
        // Nothing can be dropped here: a dragged number ("1E+25") would pass
        // the filter as another polynomial ("1+25").
        setAcceptDrops(false);
        viewport()->setAcceptDrops(false);
    }

protected:
    void dragEnterEvent(QDragEnterEvent *e) override { e->ignore(); }
    void dragMoveEvent(QDragMoveEvent *e) override { e->ignore(); }
    void dropEvent(QDropEvent *e) override { e->ignore(); }

    void keyPressEvent(QKeyEvent *e) override
    {
        const int tecla = e->key();
        // A modifier pressed on its own, selecting all and copying leave the
        // selection as it is: Ctrl+A selects all, as in every text box.
        if (EsModificador(tecla) || e->matches(QKeySequence::SelectAll) || e->matches(QKeySequence::Copy)) {
            QTextEdit::keyPressEvent(e);
            return;
        }
        if (!isReadOnly() && todoSeleccionado() && reemplazaTodo(e))
            textCursor().removeSelectedText();
        try {
            m_duenio->TeclaModo(tecla);
        } catch (const rt::ErrorDesbordamiento &) {
            // Only a text set by the host can be this long; the key must not
            // take the program down.
            QApplication::beep();
        }
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Up
            || tecla == Qt::Key_Down) {
            // Enter has accepted the entry; the arrows only switch the
            // typing format, which moving the caret would lose.
            e->accept();
            return;
        }
        if (e->matches(QKeySequence::Paste)) {
            if (!isReadOnly())
                paste();
            e->accept();
            return;
        }
        const QString texto = e->text();
        const Qt::KeyboardModifiers mando = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (mando == Qt::AltModifier) {
            // Alt with a key belongs to the window's menus and buttons: it
            // is never text.
            e->ignore();
            return;
        }
        const bool caracter = texto.size() == 1 && tecla != Qt::Key_Delete && texto.at(0).unicode() != 127
                              && mando != Qt::ControlModifier;
        if (!caracter) {
            QTextEdit::keyPressEvent(e);
            return;
        }
        const QChar c = tecla == Qt::Key_Backspace ? QChar(8) : texto.at(0);
        if (!m_duenio->FiltraTecla(c)) {
            QApplication::beep();
            e->accept();
            return;
        }
        QTextEdit::keyPressEvent(e);
    }

    void focusInEvent(QFocusEvent *e) override
    {
        QTextEdit::focusInEvent(e);
        m_duenio->TomaFoco();
    }

    bool canInsertFromMimeData(const QMimeData *fuente) const override
    {
        return fuente->hasText() && !isReadOnly();
    }

    // Pasted text is taken character by character, as if typed.
    void insertFromMimeData(const QMimeData *fuente) override
    {
        if (fuente->hasText())
            insertaFiltrado(fuente->text());
    }

    // So is what a dead key or an input method composes.
    void inputMethodEvent(QInputMethodEvent *e) override
    {
        insertaFiltrado(e->commitString());
        e->accept();
    }

private:
    static bool EsModificador(int tecla)
    {
        return tecla == Qt::Key_Shift || tecla == Qt::Key_Control || tecla == Qt::Key_Alt || tecla == Qt::Key_Meta
               || tecla == Qt::Key_AltGr || tecla == Qt::Key_CapsLock;
    }

    bool todoSeleccionado() const
    {
        const QTextCursor c = textCursor();
        return c.hasSelection() && c.selectionStart() == 0 && c.selectionEnd() == document()->characterCount() - 1;
    }

    // With the whole text selected, a key that writes or deletes replaces
    // it, as the student who selected all means; the box is then empty and
    // the key acts as on an empty box (a refused character keeps the text).
    bool reemplazaTodo(QKeyEvent *e) const
    {
        const int tecla = e->key();
        if (tecla == Qt::Key_Backspace || tecla == Qt::Key_Delete || e->matches(QKeySequence::Paste))
            return true;
        const Qt::KeyboardModifiers mando = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        return e->text().size() == 1 && mando != Qt::ControlModifier && mando != Qt::AltModifier
               && m_duenio->AceptaEnCajaVacia(e->text().at(0));
    }

    void insertaFiltrado(const QString &texto)
    {
        if (isReadOnly())
            return;
        bool rechazo = false;
        for (QChar c : texto) {
            if (c.unicode() != 8 && m_duenio->FiltraTecla(c)) {
                QTextCursor cursor = textCursor();
                cursor.insertText(QString(c));
                setTextCursor(cursor);
            } else {
                rechazo = true;
            }
        }
        if (rechazo)
            QApplication::beep();
    }

    RichTextPolin *m_duenio;
};

RichTextPolin::RichTextPolin(QWidget *parent)
    : QWidget(parent)
    , m_caja(new CajaPolinomio(this))
{
    m_caja->SetFuente(QString::fromStdString(FuenteNormal), TamanoNormal);
    setFocusProxy(m_caja);
    resize(plataforma::TwipsAPixeles(3000), plataforma::TwipsAPixeles(450));
}

RichTextBox *RichTextPolin::Caja() const { return m_caja; }

QString RichTextPolin::Text() const { return QString::fromStdString(m_caja->Text()); }

void RichTextPolin::Text(const QString &valor) { m_caja->SetText(valor.toStdString()); }

bool RichTextPolin::Locked() const { return m_caja->Locked(); }

void RichTextPolin::Locked(bool valor) { m_caja->SetLocked(valor); }

long RichTextPolin::SelStart() const { return m_caja->SelStart(); }

void RichTextPolin::SelStart(long valor) { m_caja->SetSelStart(int(valor)); }

bool RichTextPolin::Enabled() const { return m_caja->isEnabled(); }

void RichTextPolin::Enabled(bool valor) { m_caja->setEnabled(valor); }

void RichTextPolin::formatoNormal()
{
    m_caja->SetSelFontSize(TamanoNormal);
    m_caja->SetSelCharOffset(DesplazamientoNormal);
}

void RichTextPolin::formatoExponente()
{
    m_caja->SetSelFontSize(TamanoExponente);
    m_caja->SetSelCharOffset(DesplazamientoExponente);
}

QString RichTextPolin::Aceptados()
{
    return Digitos + QLatin1Char(rt::SeparadorDecimal()) + QStringLiteral("+-xX()") + QChar(8);
}

bool RichTextPolin::AceptaEnCajaVacia(QChar tecla)
{
    return Aceptados().contains(tecla);
}

bool RichTextPolin::FiltraTecla(QChar tecla)
{
    const QChar sep = QLatin1Char(rt::SeparadorDecimal());
    QString acepta = Aceptados();
    const int caret = m_caja->SelStart();
    if (caret > 0) {
        const QString texto = Text();
        // A fraction bar only after a digit of a coefficient.
        if (caret <= texto.size() && Digitos.contains(texto.at(caret - 1))
            && m_caja->SelFontSize() == TamanoNormal)
            acepta += QLatin1Char('/');
    }
    // The acceptance counts characters in 16 bits: typing stops at that size.
    if (!acepta.contains(tecla) || (tecla.unicode() != 8 && m_caja->document()->characterCount() > 32767))
        return false;
    // Signs, letters, brackets and the separator end an exponent.
    const QString terminan = QString(sep) + QStringLiteral("+-xX()");
    if (terminan.contains(tecla) && m_caja->SelFontSize() < TamanoNormal)
        formatoNormal();
    return true;
}

void RichTextPolin::TeclaModo(int tecla)
{
    switch (tecla) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Acepta();
        return;
    case Qt::Key_Up:
        if (m_caja->SelText().empty() && !m_caja->Text().empty())
            formatoExponente();
        return;
    case Qt::Key_Down:
        if (m_caja->SelText().empty())
            formatoNormal();
        return;
    default:
        // Typing never replaces a selection, and the text always starts at
        // normal size.
        if (m_caja->SelLength() != 0)
            m_caja->SetSelStart(m_caja->SelStart());
        if (m_caja->SelStart() == 0)
            formatoNormal();
    }
}

void RichTextPolin::TomaFoco()
{
    if (!m_caja->Text().empty())
        return;
    formatoNormal();
    m_caja->SetSelFontName(FuenteNormal);
}

QString RichTextPolin::CadenaLineal()
{
    const QString texto = Text();
    // The length is a 16-bit count, as the acceptance has always done.
    const std::int16_t n = rt::CInt(double(texto.toUcs4().size()));
    QString resultado;
    bool exponente = false;
    int indice = 0;
    for (std::int16_t i = 1; i <= n; ++i) {
        const double tamano = m_caja->TamanoCaracter(i - 1);
        if (tamano == TamanoExponente && !exponente) {
            resultado += QStringLiteral("^(");
            exponente = true;
        } else if (tamano == TamanoNormal && exponente) {
            resultado += QLatin1Char(')');
            exponente = false;
        }
        const char32_t c = texto.at(indice).isHighSurrogate() ? texto.mid(indice, 2).toUcs4().value(0)
                                                              : texto.at(indice).unicode();
        indice += c > 0xFFFF ? 2 : 1;
        resultado += QString::fromUcs4(&c, 1);
    }
    if (exponente)
        resultado += QLatin1Char(')');
    if (n > 0)
        m_caja->SetSelStart(n);
    return resultado;
}

void RichTextPolin::Acepta()
{
    Locked(true);
    m_cadPol = CadenaLineal().toLower();
    // The caret stays at the end, but the accepted polynomial is shown from
    // its start: the student reads it as written.
    m_caja->horizontalScrollBar()->setValue(0);
    emit TeclaEnter();
}

void RichTextPolin::resizeEvent(QResizeEvent *evento)
{
    QWidget::resizeEvent(evento);
    m_caja->setGeometry(0, 0, width(), height());
    // One line: the wrap margin lies beyond the box's right edge, and a
    // polynomial longer than the box scrolls along with the caret instead
    // of wrapping onto a line that the box is too low to show.
    m_caja->SetRightMargin(plataforma::PixelesATwips(m_caja->width()) + 20);
    m_caja->setLineWrapMode(QTextEdit::NoWrap);
}
