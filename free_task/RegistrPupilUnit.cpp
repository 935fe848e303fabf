#include "RegistrPupilUnit.h"

#include "DesignedFont.h"
#include "Hints.h"
#include "MessageBoxes.h"
#include "ModalShow.h"
#include "FramePlacement.h"
#include "FreeTaskForms.h"
#include "RoPupilUnit.h"
#include "TextFilter.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QValidator>
#include <algorithm>
#include <memory>

namespace {

// The Windows-1251 code of a character, or -1 when the code page has none.
int Cp1251Code(QChar c)
{
    QStringEncoder encoder("windows-1251", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(QString(c));
    if (encoder.hasError() || bytes.size() != 1)
        return -1;
    return static_cast<unsigned char>(bytes[0]);
}

QChar FromCp1251(int code)
{
    QStringDecoder decoder("windows-1251");
    const char byte = static_cast<char>(code);
    const QString s = decoder.decode(QByteArrayView(&byte, 1));
    return s.isEmpty() ? QChar() : s[0];
}

void SetFieldColor(QLineEdit* edit, const QColor& color)
{
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, color);
    edit->setPalette(p);
}

bool IsNameCode(int code) { return code == 8 || code == 32 || code == 44 || (code >= 192 && code <= 255); }

// True when every character of the text is one the name fields take.
bool AllNameChars(const QString& text) { return std::all_of(text.begin(), text.end(), InNameChars); }

// Judges whatever a name field is offered besides a single typed character:
// a paste (Shift+Insert, the context menu, the mouse's middle button), a
// drop, an input method's text, a key that types several characters. The
// field refuses such an insertion as a whole and keeps what it held.
class NameCharsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int&) const override { return AllNameChars(text) ? Acceptable : Invalid; }
};

const QString kCaptionPrefix = QStringLiteral("\"Тимпушка-Свободная задача\" 1.1     Ученик (команда) : ");

} // namespace

bool InNameChars(QChar c) { return IsNameCode(Cp1251Code(c)); }

QChar UpCaseCyrillic(QChar c)
{
    const int code = Cp1251Code(c);
    if (code >= 224 && code <= 255)
        return FromCp1251(code - 32);
    return c;
}

QString TrimBlanks(const QString& s)
{
    int first = 0, last = s.size();
    while (first < last && s[first].unicode() <= 32)
        ++first;
    while (last > first && s[last - 1].unicode() <= 32)
        --last;
    return s.mid(first, last - first);
}

QString NormaliseName(const QString& text, bool capitalise)
{
    QString t = TrimBlanks(text).left(20);
    if (capitalise && !t.isEmpty())
        t[0] = UpCaseCyrillic(t[0]);
    return t;
}

QString ExecutorCaption(const QString& surname, const QString& name, const QString& team)
{
    return kCaptionPrefix + surname + QLatin1Char(' ') + name + QLatin1Char(' ') + team;
}

TfrmRegistrPupil::TfrmRegistrPupil(FreeTaskForms& forms, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      forms_(forms)
{
    setObjectName(QStringLiteral("frmRegistrPupil"));
    setWindowTitle(QStringLiteral("Введите фамилию и имя"));
    setFixedSize(399, 283);
    setFont(DesignedFont(QStringLiteral("MS Sans Serif"), 15, true));

    const QFont labelFont = DesignedFont(QStringLiteral("Times New Roman"), 16, true);
    const QFont editFont = DesignedFont(QStringLiteral("MS Sans Serif"), 11, false);
    auto label = [this, &labelFont](const char* name, const QString& text, QRect r, bool ownFont) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        if (ownFont)
            l->setFont(labelFont);
        l->setGeometry(r);
        return l;
    };
    auto edit = [this, &editFont](const char* name, QRect r, bool ownFont) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        if (ownFont)
            e->setFont(editFont);
        e->setGeometry(r);
        e->installEventFilter(this);
        // Installed last, so it sees the keys first: an Alt chord never
        // reaches the filter as a typed character.
        TypeNothingOnAltChords(e);
        return e;
    };

    NamLab1 = label("NamLab1", QStringLiteral("Ваша фамилия:"), QRect(25, 56, 115, 19), true);
    EditNam1 = edit("EditNam1", QRect(152, 56, 200, 21), true);
    NamLab2 = label("NamLab2", QStringLiteral("Ваше имя:"), QRect(25, 114, 77, 19), true);
    EditNam2 = edit("EditNam2", QRect(150, 114, 200, 21), true);
    Label1 = label("Label1", QStringLiteral("или"), QRect(160, 144, 28, 16), false);
    Label2 = label("Label2", QStringLiteral("Ваша команда:"), QRect(24, 176, 109, 19), true);
    EditNam3 = edit("EditNam3", QRect(152, 176, 201, 24), false);
    // The labels' texts need a little more room in the fonts that stand in
    // for the designed ones; they grow to the right only.
    for (QLabel* l : {NamLab1, NamLab2, Label1, Label2})
        l->resize(std::max(l->width(), l->sizeHint().width()), l->height());

    ReadyBitB = new QPushButton(QStringLiteral("Готово"), this);
    ReadyBitB->setObjectName(QStringLiteral("ReadyBitB"));
    ReadyBitB->setGeometry(154, 238, 90, 28);
    ReadyBitB->setFont(DesignedFont(QStringLiteral("Times New Roman"), 13, true));
    QIcon glyph(QStringLiteral(":/start/ready_glyph.png"));
    glyph.addFile(QStringLiteral(":/start/ready_glyph_disabled.png"), QSize(), QIcon::Disabled);
    ReadyBitB->setIcon(glyph);
    ReadyBitB->setIconSize(QSize(18, 18));
    ReadyBitB->setAutoDefault(true);
    connect(ReadyBitB, &QPushButton::clicked, this, &TfrmRegistrPupil::ReadyBitBClick);

    for (QLineEdit* field : {EditNam1, EditNam2}) {
        field->setValidator(new NameCharsValidator(field));
        // The refusal waits until the field has put its text back.
        connect(field, &QLineEdit::inputRejected, this, [this, field] { RefuseInsertion(field); },
                Qt::QueuedConnection);
    }

    NameAfter(EditNam1, {NamLab1});
    NameAfter(EditNam2, {NamLab2});
    NameAfter(EditNam3, {Label2});

    setTabOrder(EditNam1, EditNam2);
    setTabOrder(EditNam2, ReadyBitB);
    setTabOrder(ReadyBitB, EditNam3);
}

void TfrmRegistrPupil::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A fresh dialog starts empty with the surname field focused. Later
    // activations (after a message box) leave the fields as they are.
    if (!activated_) {
        activated_ = true;
        PlaceFramed(this, [this] { CentreOnWorkArea(this); });
        FormActivate();
    }
}

void TfrmRegistrPupil::FormActivate()
{
    EditNam1->clear();
    EditNam2->clear();
    EditNam3->clear();
    EditNam1->setFocus();
}

bool TfrmRegistrPupil::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        SetFieldColor(field, Qt::yellow);
        break;
    case QEvent::FocusOut:
        // Another window (a message box) or a popup taking the keyboard leaves
        // the dialog's focus where it was: the field stays yellow.
        if (focusWidget() != field)
            SetFieldColor(field, QPalette().color(QPalette::Base));
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        // Tab moves between the controls and is never typed into a field.
        // Delete edits and types nothing.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete)
            break;
        QChar c;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            c = QChar(13);
        else if (!key->text().isEmpty())
            c = key->text().at(0);
        else
            break;   // keys that type nothing (arrows, Delete, Home) edit as usual
        const QChar typed = c;
        if (field == EditNam1)
            EditNam1KeyPress(c);
        else if (field == EditNam2)
            EditNam2KeyPress(c);
        else
            EditNam3KeyPress(c);
        if (c.isNull())
            return true;   // the key was used up
        if (c != typed) {
            field->insert(QString(c));
            return true;
        }
        // Escape would close the dialog; typed into a field it is only a character.
        if (c == QChar(27))
            return true;
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmRegistrPupil::NameKeyPress(QLineEdit* edit, QWidget* next, QChar& key)
{
    if (key == QChar(13)) {
        next->setFocus();
        key = QChar();
        return;
    }
    if (InNameChars(key))
        return;
    key = QChar(' ');
    Refuse(edit);
}

void TfrmRegistrPupil::Refuse(QLineEdit* edit)
{
    MessageBeep();
    edit->clear();
    MessageDlgError(QStringLiteral("В имени и фамилии допустимы\rтолько русские буквы!"));
}

void TfrmRegistrPupil::RefuseInsertion(QLineEdit* edit)
{
    // As for a refused key: the field is emptied, and after the box it holds
    // the one blank that stands for what was refused.
    Refuse(edit);
    edit->insert(QStringLiteral(" "));
}

void TfrmRegistrPupil::EditNam1KeyPress(QChar& key) { NameKeyPress(EditNam1, EditNam2, key); }
void TfrmRegistrPupil::EditNam2KeyPress(QChar& key) { NameKeyPress(EditNam2, ReadyBitB, key); }

void TfrmRegistrPupil::EditNam3KeyPress(QChar& key)
{
    if (key == QChar(13)) {
        ReadyBitB->setFocus();
        key = QChar();
    }
}

void TfrmRegistrPupil::ReadyBitBClick()
{
    if (EditNam1->text().isEmpty() && EditNam2->text().isEmpty() && EditNam3->text().isEmpty()) {
        ShowMessage(QStringLiteral("Введите имя и фамилию или название команды"));
        return;
    }
    EditNam1->setText(NormaliseName(EditNam1->text(), true));
    EditNam2->setText(NormaliseName(EditNam2->text(), true));
    EditNam3->setText(NormaliseName(EditNam3->text(), false));
    hide();
    if (TfrmRoPupil* executor = forms_.frmRoPupil) {
        executor->setWindowTitle(ExecutorCaption(EditNam1->text(), EditNam2->text(), EditNam3->text()));
        // The pupil's work ends with the executor window: it is destroyed
        // however its modal run ends.
        std::unique_ptr<TfrmRoPupil> owner(executor);
        forms_.frmRoPupil = nullptr;
        ShowModal(executor);
    }
    accept();
}

void TfrmRegistrPupil::keyPressEvent(QKeyEvent* event)
{
    // The dialog has no cancel button: Esc does not close it, the close box does.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
