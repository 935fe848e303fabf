#pragma once
// List boxes of one-line rows of a fixed height, as the lists were designed,
// and reading their rows.

#include <QSize>
#include <QString>
#include <QStringList>
#include <QStyledItemDelegate>

class QListWidget;
class QWidget;

// What a list row shows of a line: its start, as far as the widest list can
// show. Laying out more only costs time (a loaded line may be megabytes long).
constexpr int kShownRowChars = 1024;
QString ShownRowText(const QString& text);

// List rows of a fixed height, as the lists were designed. A row shows only
// the start of a long line: a loaded file may hold lines of megabytes.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int height_;
};

// A list box of one-line rows of a fixed height, cut at the right edge.
QListWidget* MakeList(QWidget* parent, const char* name, int rowHeight);
// The same settings for a list made otherwise; the rows are the delegate's.
void SetUpList(QListWidget* list, const char* name, QStyledItemDelegate* rows);
// The texts of a list's rows, in order.
QStringList ListItems(const QListWidget* list);
// The selected row of a single-selection list, or -1 when no row is
// selected (the current row may be left without its selection).
int SelectedRow(const QListWidget* list);
