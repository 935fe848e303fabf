#include "Hints.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

QString ShortHint(const QString& hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString LongHint(const QString& hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QWidget* w, const QString& hint)
{
    w->setToolTip(ShortHint(hint));
    w->setStatusTip(LongHint(hint));
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    if (button && button->text().isEmpty())
        w->setAccessibleName(ReaderText(ShortHint(hint)));
}

void SetHint(QAction* a, const QString& hint)
{
    a->setToolTip(ShortHint(hint));
    a->setStatusTip(LongHint(hint));
}

QString ReaderText(const QString& caption)
{
    QString text;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;   // "&&" stands for one ampersand, "&x" marks the access key x
        text += caption[i];
    }
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('=')))
        text = text.chopped(1).trimmed();
    return text;
}

void NameAfter(QWidget* control, std::initializer_list<QWidget*> shownBy)
{
    auto* combo = qobject_cast<QComboBox*>(control);
    QStringList parts;
    for (QWidget* w : shownBy) {
        QString caption = w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            caption = label->text();
            if (combo)
                label->setBuddy(combo);
        }
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w); button && !button->text().isEmpty())
            caption = button->text();
        if (const QString part = ReaderText(caption); !part.isEmpty())
            parts << part;
    }
    const QString name = parts.join(QLatin1Char(' '));
    control->setAccessibleName(name);
    if (combo) {
        if (combo->lineEdit())
            combo->lineEdit()->setAccessibleName(name);
        combo->view()->setAccessibleName(name);
    }
}
