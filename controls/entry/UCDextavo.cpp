#include "UCDextavo.h"

#include "Fuentes.h"
#include "Regional.h"
#include "Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <cstdlib>

namespace {

QChar separador() { return QLatin1Char(rt::SeparadorDecimal()); }
const QChar Infinito(0x221E);
constexpr char16_t Retroceso = 8;
constexpr char16_t Retorno = 13;

// Eats the mouse click whose press took the focus away from a box that then
// refused to let it go: the widget pressed must not act on a bad entry. The
// press comes right after the move of the focus; its release may be lost
// behind the error window, so a later press ends the watch; so does the
// focus going back to the box before any press reached the widget.
class AnulaClic : public QObject {
public:
    explicit AnulaClic(QWidget *destino)
        : QObject(destino)
    {
        destino->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (m_presionado) {
                deleteLater();
                return false;
            }
            m_presionado = true;
            return true;
        case QEvent::MouseButtonRelease:
            deleteLater();
            return true;
        case QEvent::FocusOut:
            // The focus went back to the box and the press went elsewhere.
            if (!m_presionado)
                deleteLater();
            return false;
        default:
            return false;
        }
    }

private:
    bool m_presionado = false;
};

// Removes a sign that does not stand first: the first "-" from the second
// character on, then the first "+". The caret (a position in the whole
// text, the part starting at desde) moves back over each removed sign.
void QuitaSignos(QString &parte, int desde, int &caret)
{
    for (QChar signo : {QLatin1Char('-'), QLatin1Char('+')}) {
        const int k = parte.indexOf(signo, 1);
        if (k < 0)
            continue;
        parte.remove(k, 1);
        if (caret > desde + k)
            --caret;
    }
}

// One pass of the normalisation of the text after a change.
void PasoCambio(QString &texto, int &caret, QChar sep)
{
    if (texto.contains(Infinito)) {
        const QChar primero = texto.isEmpty() ? QChar() : texto.at(0);
        if (primero == QLatin1Char('+') || primero == QLatin1Char('-'))
            texto = QString(primero) + Infinito;
        else
            texto = Infinito;
        caret = int(texto.size());
        return;
    }
    const QString mayus = texto.toUpper();
    if (mayus.startsWith(QLatin1Char('E'))) {
        texto = mayus.mid(1);
        caret = std::max(0, caret - 1);
        return;
    }
    const int e = int(mayus.indexOf(QLatin1Char('E')));
    QString mantisa = e < 0 ? mayus : mayus.left(e);
    QString exponente = e < 0 ? QString() : mayus.mid(e + 1);
    QuitaSignos(mantisa, 0, caret);
    if (e >= 0) {
        const int desde = int(mantisa.size()) + 1;
        QuitaSignos(exponente, desde, caret);
        const int k = int(exponente.indexOf(sep));
        if (k >= 0) {
            exponente.remove(k, 1);
            if (caret > desde + k)
                --caret;
        }
        // At most two exponent digits, after an optional sign.
        const bool conSigno = exponente.isEmpty() || exponente.at(0) == QLatin1Char('+')
                              || exponente.at(0) == QLatin1Char('-');
        exponente.truncate(conSigno ? 3 : 2);
    }
    texto = mantisa + (e >= 0 ? QStringLiteral("E") : QString()) + exponente;
    caret = std::clamp(caret, 0, int(texto.size()));
}

// A number in the locale's notation: digits with at most one separator and
// at least one digit, then optionally "E" and a signed exponent. False when
// the text is not such a number or its value overflows.
bool LeeNumero(const QString &texto, QChar sep, double &valor)
{
    QString s = texto;
    if (sep != QLatin1Char('.')) {
        if (s.contains(QLatin1Char('.')))
            return false;
        s.replace(sep, QLatin1Char('.'));
    }
    static const QRegularExpression forma(
        QStringLiteral("^(\\d+\\.?\\d*|\\.\\d+)(E[+-]?\\d+)?$"));
    if (!forma.match(s).hasMatch())
        return false;
    const QByteArray bytes = s.toLatin1();
    char *fin = nullptr;
    const double v = std::strtod(bytes.constData(), &fin);
    if (!std::isfinite(v))
        return false;
    valor = v;
    return true;
}

} // namespace

// The inner one-line box: hands typed characters, pastes and drops to the
// control, and reports the mouse and the loss of focus.
class LineaDextavo : public QLineEdit {
public:
    explicit LineaDextavo(UCDextavo *duenio)
        : QLineEdit(duenio), m_duenio(duenio)
    {
        setContextMenuPolicy(Qt::NoContextMenu);
    }

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if (e->matches(QKeySequence::Paste)) {
            if (!isReadOnly())
                pegaFiltrado(QApplication::clipboard()->text());
            e->accept();
            return;
        }
        const Qt::KeyboardModifiers mando = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (mando == Qt::AltModifier) {
            // Alt with a key belongs to the window's menus and buttons: it
            // is never text.
            e->ignore();
            return;
        }
        if (mando == Qt::ControlModifier && e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter) {
            // Control with a key is a command of the box (Ctrl+A selects
            // all, Ctrl+C copies), never a character to filter.
            QLineEdit::keyPressEvent(e);
            return;
        }
        QChar ch;
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
            ch = QChar(Retorno);
        else if (e->key() == Qt::Key_Backspace)
            ch = QChar(Retroceso);
        else if (e->text().size() == 1 && e->key() != Qt::Key_Delete && e->text().at(0).unicode() != 127)
            ch = e->text().at(0);
        if (ch.isNull()) {
            QLineEdit::keyPressEvent(e);
            return;
        }
        if (isReadOnly() && ch.unicode() != Retorno) {
            QLineEdit::keyPressEvent(e);
            return;
        }
        const QChar r = m_duenio->FiltraTecla(ch);
        e->accept();
        if (r.isNull())
            return;
        if (r.unicode() == Retroceso)
            QLineEdit::keyPressEvent(e);
        else
            insert(QString(r));
    }

    void mousePressEvent(QMouseEvent *e) override
    {
        QLineEdit::mousePressEvent(e);
        informa(e, &UCDextavo::MouseDown);
    }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        QLineEdit::mouseMoveEvent(e);
        informa(e, &UCDextavo::MouseMove);
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
            // The middle button pastes the selected text: through the filter.
            if (!isReadOnly())
                pegaFiltrado(QApplication::clipboard()->text(QClipboard::Selection));
        } else {
            QLineEdit::mouseReleaseEvent(e);
        }
        informa(e, &UCDextavo::MouseUp);
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            emit m_duenio->Click();
    }

    void focusOutEvent(QFocusEvent *e) override
    {
        QLineEdit::focusOutEvent(e);
        // Only a move of the focus inside the window validates; switching
        // windows or opening a menu does not.
        if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason)
            return;
        // Where the focus was going: the host may already have put it back.
        const QPointer<QWidget> destino = QApplication::focusWidget();
        bool cancel = false;
        emit m_duenio->Validate(cancel);
        if (cancel) {
            if (m_duenio->m_anulaClic && e->reason() == Qt::MouseFocusReason && destino && destino != this)
                new AnulaClic(destino);
            QPointer<LineaDextavo> yo(this);
            QTimer::singleShot(0, this, [yo] {
                if (yo)
                    yo->setFocus(Qt::OtherFocusReason);
            });
        }
    }

    // A box whose host turned drops off refuses them even when the drag
    // reaches it directly.
    void dragEnterEvent(QDragEnterEvent *e) override
    {
        if (acceptDrops() && e->mimeData()->hasText())
            e->acceptProposedAction();
        else
            e->ignore();
    }
    void dragMoveEvent(QDragMoveEvent *e) override
    {
        if (acceptDrops() && e->mimeData()->hasText())
            e->acceptProposedAction();
        else
            e->ignore();
    }
    void dropEvent(QDropEvent *e) override
    {
        if (!acceptDrops()) {
            e->ignore();
            return;
        }
        // The host decides what a drop means (the calculator's read-out
        // becomes the text); the box inserts nothing itself.
        e->acceptProposedAction();
        const QPointF p = e->position();
        emit m_duenio->DragDrop(e->source(), e->mimeData()->text(),
                                float(plataforma::PixelesATwips(int(p.x()))),
                                float(plataforma::PixelesATwips(int(p.y()))));
    }

    // What a dead key or an input method composes passes the filter as
    // typed characters do.
    void inputMethodEvent(QInputMethodEvent *e) override
    {
        if (!isReadOnly())
            pegaFiltrado(e->commitString());
        e->accept();
    }

private:
    void pegaFiltrado(const QString &texto)
    {
        for (QChar c : texto) {
            const QChar r = m_duenio->FiltraTecla(c);
            if (r.isNull())
                continue;
            if (r.unicode() == Retroceso)
                backspace();
            else
                insert(QString(r));
        }
    }

    void informa(QMouseEvent *e, void (UCDextavo::*senal)(std::int16_t, std::int16_t, float, float))
    {
        const Qt::MouseButtons botones = e->type() == QEvent::MouseButtonRelease
                                             ? Qt::MouseButtons(e->button()) : e->buttons();
        std::int16_t boton = 0;
        if (botones & Qt::LeftButton) boton |= 1;
        if (botones & Qt::RightButton) boton |= 2;
        if (botones & Qt::MiddleButton) boton |= 4;
        std::int16_t mayus = 0;
        if (e->modifiers() & Qt::ShiftModifier) mayus |= 1;
        if (e->modifiers() & Qt::ControlModifier) mayus |= 2;
        if (e->modifiers() & Qt::AltModifier) mayus |= 4;
        const QPointF p = e->position();
        emit (m_duenio->*senal)(boton, mayus, float(plataforma::PixelesATwips(int(p.x()))),
                                float(plataforma::PixelesATwips(int(p.y()))));
    }

    UCDextavo *m_duenio;
};

UCDextavo::UCDextavo(QWidget *parent)
    : QWidget(parent)
    , m_caja(new LineaDextavo(this))
    , m_fuente(QStringLiteral("Arial"), 10)
{
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->addWidget(m_caja);
    setFocusProxy(m_caja);
    m_caja->setFont(plataforma::FuentePrograma(m_fuente.family(), m_fuente.pointSizeF()));
    m_caja->setAcceptDrops(true);
    connect(m_caja, &QLineEdit::textChanged, this, [this] { CambiaTexto(); });
    resize(plataforma::TwipsAPixeles(1215), m_caja->sizeHint().height());
}

QLineEdit *UCDextavo::Caja() const { return m_caja; }

QChar UCDextavo::FiltraTecla(QChar tecla)
{
    if (tecla.unicode() == Retorno) {
        emit TeclaEnter();
        return {};
    }
    const QChar sep = separador();
    // A typed character replaces the selection: it joins the text without it.
    QString texto = m_caja->text();
    int caret = m_caja->cursorPosition();
    if (m_caja->hasSelectedText() && tecla.unicode() != Retroceso) {
        caret = m_caja->selectionStart();
        texto.remove(caret, m_caja->selectionLength());
    }
    QString acepta = QString(QChar(Retroceso));
    if (m_soloEntero) {
        acepta += QStringLiteral("0123456789");
    } else {
        acepta += m_hayInfinito ? QStringLiteral("/iI+-0123456789eE") : QStringLiteral("/+-0123456789eE");
        acepta += sep;
        if (texto.contains(Infinito)) {
            acepta = QString(QChar(Retroceso)) + QStringLiteral("+-");
        } else if (texto.contains(QLatin1Char('/'))) {
            acepta = QString(QChar(Retroceso))
                     + (m_hayInfinito ? QStringLiteral("iI+-0123456789") : QStringLiteral("+-0123456789"))
                     + sep;
            // Numerator and denominator may each hold one separator.
            const int p = int(texto.indexOf(QLatin1Char('/'))) + 1;
            const bool antes = caret < p;
            const QString lado = antes ? texto.left(p) : texto.mid(p - 1);
            if (lado.contains(sep))
                acepta.remove(sep);
        } else if (texto.contains(sep)) {
            acepta.remove(sep);
        }
        // After an exponent mark, no fraction bar and no second mark.
        if (texto.contains(QLatin1Char('E')) && acepta.contains(QLatin1String("eE"))) {
            acepta.remove(QLatin1Char('/'));
            acepta.remove(QLatin1String("eE"));
        }
    }
    if (!acepta.contains(tecla))
        return {};
    if (tecla == QLatin1Char('i') || tecla == QLatin1Char('I'))
        return Infinito;
    return tecla;
}

void UCDextavo::aplicaFuenteNormal()
{
    m_caja->setFont(plataforma::FuentePrograma(m_fuente.family(), m_fuente.pointSizeF()));
}

void UCDextavo::CambiaTexto()
{
    if (m_cambiando)
        return;
    const QChar sep = separador();
    QString texto = m_caja->text();
    int caret = m_caja->cursorPosition();
    // Each pass may leave work for the next (a leading "E" is dropped and
    // the rest looked at again); two or three passes settle any text.
    for (int paso = 0; paso < 8; ++paso) {
        const QString antes = texto;
        PasoCambio(texto, caret, sep);
        if (texto == antes)
            break;
    }
    if (texto.contains(Infinito))
        m_caja->setFont(plataforma::FuentePrograma(QStringLiteral("Symbol"), m_fuente.pointSizeF()));
    else
        aplicaFuenteNormal();
    if (texto != m_caja->text()) {
        m_cambiando = true;
        m_caja->setText(texto);
        m_cambiando = false;
    }
    m_caja->setCursorPosition(caret);
}

QString UCDextavo::Text() const { return m_caja->text(); }

void UCDextavo::Text(const QString &valor)
{
    m_caja->setText(QString());
    for (QChar c : valor) {
        const QChar r = FiltraTecla(c);
        if (r.isNull())
            continue;
        m_caja->setText(m_caja->text() + r);
        m_caja->setCursorPosition(int(m_caja->text().size()));
    }
    if (Valida() > 0)
        m_caja->setText(QString());
}

std::int16_t UCDextavo::Valida()
{
    const QChar sep = separador();
    QString s = m_caja->text();
    double signo = 1;
    if (s.startsWith(QLatin1Char('-')) || s.startsWith(QLatin1Char('+'))) {
        signo = s.at(0) == QLatin1Char('-') ? -1 : 1;
        s.remove(0, 1);
    }
    const int barra = int(s.indexOf(QLatin1Char('/')));
    if (barra < 0) {
        if (s.isEmpty() || s == QString(sep))
            return 5;
        if (s == QString(Infinito)) {
            m_numAceptado = signo * ValorInfinito;
            return 0;
        }
        std::int16_t codigo = 0;
        const int e = int(s.indexOf(QLatin1Char('E')));
        if (e >= 0) {
            const QString resto = s.mid(e + 1);
            if (resto.isEmpty() || resto == QLatin1String("+") || resto == QLatin1String("-")) {
                s.truncate(e);
                codigo = 6;
            }
        }
        double v = 0;
        // Not a number at all ("-E", ".E5") or too large: nothing is stored.
        if (!LeeNumero(s, sep, v))
            return 5;
        m_numAceptado = signo * v;
        return codigo;
    }
    const QString numerador = s.left(barra);
    const QString denominador = s.mid(barra + 1);
    if (numerador.isEmpty() || numerador == QString(sep))
        return 1;
    if (denominador.isEmpty())
        return 2;
    if (denominador == QString(sep))
        return 3;
    double num = 0, den = 0;
    if (!LeeNumero(denominador, sep, den))
        return 5;
    if (den == 0)
        return 4;
    if (!LeeNumero(numerador, sep, num))
        return 5;
    const double v = signo * num / den;
    if (!std::isfinite(v))
        return 5;
    m_numAceptado = v;
    return 0;
}

QString UCDextavo::ToolTipDtav() const { return m_caja->toolTip(); }
void UCDextavo::ToolTipDtav(const QString &valor) { m_caja->setToolTip(valor); }

std::int16_t UCDextavo::Alignment() const
{
    const Qt::Alignment a = m_caja->alignment();
    if (a & Qt::AlignRight)
        return 1;
    if (a & Qt::AlignHCenter)
        return 2;
    return 0;
}

void UCDextavo::Alignment(std::int16_t valor)
{
    const Qt::Alignment h = valor == 1 ? Qt::AlignRight : valor == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    m_caja->setAlignment(h | Qt::AlignVCenter);
}

QColor UCDextavo::BackColor() const { return m_caja->palette().color(QPalette::Base); }

void UCDextavo::BackColor(const QColor &valor)
{
    QPalette p = m_caja->palette();
    p.setColor(QPalette::Base, valor);
    m_caja->setPalette(p);
}

QColor UCDextavo::ForeColor() const { return m_caja->palette().color(QPalette::Text); }

void UCDextavo::ForeColor(const QColor &valor)
{
    QPalette p = m_caja->palette();
    p.setColor(QPalette::Text, valor);
    m_caja->setPalette(p);
}

bool UCDextavo::Enabled() const { return m_caja->isEnabled(); }
void UCDextavo::Enabled(bool valor) { m_caja->setEnabled(valor); }

void UCDextavo::Font(const QFont &valor)
{
    m_fuente = valor;
    // Only the name goes to the box now; the size follows at the next change.
    QFont f = m_caja->font();
    f.setFamily(plataforma::FamiliaInstalada(valor.family()));
    m_caja->setFont(f);
}

bool UCDextavo::Locked() const { return m_caja->isReadOnly(); }
void UCDextavo::Locked(bool valor) { m_caja->setReadOnly(valor); }

std::int16_t UCDextavo::MaxLength() const
{
    const int m = m_caja->maxLength();
    return m >= 32767 ? 0 : std::int16_t(m);
}

void UCDextavo::MaxLength(std::int16_t valor)
{
    if (valor < 0)
        return;
    m_caja->setMaxLength(valor == 0 ? 32767 : valor);
}
