#include "passwordlisteditor.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

enum Column { kName = 0, kDigits = 1 };
enum Role { kDigitsRole = Qt::UserRole, kPresetRole, kStoredNameRole, kNameRole };

const QString kMasked = QString(8, QChar(0x25CF));

// The digits in pairs, as the field shows them.
QString pairs(const QString &digits)
{
    QString hex = digits;
    hex.remove(QLatin1Char(' '));
    QStringList out;
    for (int i = 0; i < hex.size(); i += 2)
        out.append(hex.mid(i, 2).toUpper());
    return out.join(QLatin1Char(' '));
}

// Digits are typed into a masked field, visible only while the list shows them.
class DigitsDelegate : public QStyledItemDelegate
{
public:
    DigitsDelegate(const PasswordListEditor *editor, QObject *parent) : QStyledItemDelegate(parent), editor(editor) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *field = new QLineEdit(parent);
        field->setInputMask(QStringLiteral(">HH HH HH HH;_"));
        field->setEchoMode(editor->digitsShown() ? QLineEdit::Normal : QLineEdit::Password);
        return field;
    }
    void setEditorData(QWidget *widget, const QModelIndex &index) const override
    {
        static_cast<QLineEdit *>(widget)->setText(index.data(kPresetRole).toInt() ? QString()
                                                                                 : index.data(kDigitsRole).toString());
    }
    void setModelData(QWidget *widget, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        const QString typed = static_cast<QLineEdit *>(widget)->text();
        if (QString(typed).remove(QLatin1Char(' ')).isEmpty())
            return;  // left empty: nothing changes
        model->setData(index, 0, kPresetRole);
        model->setData(index, typed, kDigitsRole);
    }

private:
    const PasswordListEditor *editor;
};

}  // namespace

PasswordListEditor::PasswordListEditor(QWidget *parent) : QWidget(parent)
{
    table = new QTableWidget(0, 2, this);
    table->setObjectName(QStringLiteral("tw_passwords"));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(kName, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(kDigits, QHeaderView::ResizeToContents);
    table->setItemDelegateForColumn(kDigits, new DigitsDelegate(this, table));
    table->setMinimumHeight(110);

    auto makeButton = [this](const char *name) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        // Never narrower than its text, in whichever language.
        button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        return button;
    };
    add = makeButton("tb_password_add");
    remove = makeButton("tb_password_remove");
    up = makeButton("tb_password_up");
    down = makeButton("tb_password_down");
    show = makeButton("tb_password_show");
    show->setCheckable(true);

    auto *buttons = new QHBoxLayout;
    for (QToolButton *button : {add, remove, up, down})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(show);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table);
    layout->addLayout(buttons);

    connect(add, &QToolButton::clicked, this, &PasswordListEditor::addEntry);
    connect(remove, &QToolButton::clicked, this, &PasswordListEditor::removeEntry);
    connect(up, &QToolButton::clicked, this, [this] { moveEntry(-1); });
    connect(down, &QToolButton::clicked, this, [this] { moveEntry(1); });
    connect(show, &QToolButton::toggled, this, [this] {
        for (int row = 0; row < table->rowCount(); ++row)
            showDigits(row);
    });
    connect(table, &QTableWidget::itemChanged, this, &PasswordListEditor::itemChanged);
    connect(table, &QTableWidget::itemSelectionChanged, this, &PasswordListEditor::updateButtons);
    retranslate();
    updateButtons();
}

void PasswordListEditor::setList(const PasswordList &list)
{
    filling = true;
    table->setRowCount(0);
    for (const NamedPassword &entry : list)
        appendRow(entry, entry.name);
    filling = false;
    show->setChecked(false);
    updateButtons();
}

PasswordList PasswordListEditor::list() const
{
    PasswordList entries;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *digits = table->item(row, kDigits);
        entries.append({table->item(row, kName)->text(), digits->data(kDigitsRole).toString(),
                        digits->data(kPresetRole).toInt()});
    }
    return entries;
}

QVector<QPair<QString, QString>> PasswordListEditor::renames() const
{
    QVector<QPair<QString, QString>> renamed;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *name = table->item(row, kName);
        const QString stored = name->data(kStoredNameRole).toString();
        if (!stored.isEmpty() && stored != name->text())
            renamed.append({stored, name->text()});
    }
    return renamed;
}

bool PasswordListEditor::digitsShown() const
{
    return show->isChecked();
}

void PasswordListEditor::appendRow(const NamedPassword &entry, const QString &storedName)
{
    const bool wasFilling = filling;
    filling = true;
    const int row = table->rowCount();
    table->insertRow(row);
    auto *name = new QTableWidgetItem(entry.name);
    name->setData(kStoredNameRole, storedName);
    name->setData(kNameRole, entry.name);
    auto *digits = new QTableWidgetItem;
    digits->setData(kDigitsRole, entry.digits);
    digits->setData(kPresetRole, entry.preset);
    table->setItem(row, kName, name);
    table->setItem(row, kDigits, digits);
    filling = wasFilling;
    showDigits(row);
}

void PasswordListEditor::showDigits(int row)
{
    QTableWidgetItem *item = table->item(row, kDigits);
    const NamedPassword entry{QString(), item->data(kDigitsRole).toString(), item->data(kPresetRole).toInt()};
    const bool wasFilling = filling;
    filling = true;
    if (entry.preset) {
        item->setText(kMasked);
        item->setToolTip(tr("A preset: its digits are not shown"));
    } else {
        item->setText(show->isChecked() || !entry.isComplete() ? pairs(entry.digits) : kMasked);
        item->setToolTip(entry.isComplete() ? QString() : tr("Eight hexadecimal digits are needed"));
    }
    item->setForeground(entry.isComplete() ? palette().text() : QBrush(Qt::red));
    filling = wasFilling;
}

void PasswordListEditor::itemChanged(QTableWidgetItem *item)
{
    if (filling)
        return;
    if (item->column() == kDigits) {
        showDigits(item->row());
    } else {
        // Names pick entries, whatever their case: none empty, none twice.
        const QString name = item->text().trimmed();
        const QString before = item->data(kNameRole).toString();
        bool taken = name.isEmpty();
        for (int row = 0; row < table->rowCount(); ++row)
            taken = taken
                    || (row != item->row() && table->item(row, kName)->text().compare(name, Qt::CaseInsensitive) == 0);
        filling = true;
        item->setText(taken ? before : name);
        item->setData(kNameRole, item->text());
        filling = false;
    }
    emit changed();
}

void PasswordListEditor::addEntry()
{
    QString name;
    for (int n = table->rowCount() + 1; name.isEmpty(); ++n) {
        name = tr("Password %1").arg(n);
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, kName)->text().compare(name, Qt::CaseInsensitive) == 0)
                name.clear();
    }
    appendRow({name, QString(), 0}, QString());
    const int row = table->rowCount() - 1;
    table->setCurrentCell(row, kDigits);
    table->editItem(table->item(row, kDigits));
    emit changed();
}

void PasswordListEditor::removeEntry()
{
    const int row = table->currentRow();
    if (row < 0)
        return;
    table->removeRow(row);
    updateButtons();
    emit changed();
}

void PasswordListEditor::moveEntry(int by)
{
    const int row = table->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= table->rowCount())
        return;
    filling = true;
    for (int column : {kName, kDigits}) {
        QTableWidgetItem *moved = table->takeItem(row, column);
        table->setItem(row, column, table->takeItem(to, column));
        table->setItem(to, column, moved);
    }
    filling = false;
    table->setCurrentCell(to, table->currentColumn());
    emit changed();
}

void PasswordListEditor::updateButtons()
{
    const int row = table->currentRow();
    const bool selected = row >= 0 && !table->selectedItems().isEmpty();
    remove->setEnabled(selected);
    up->setEnabled(selected && row > 0);
    down->setEnabled(selected && row < table->rowCount() - 1);
}

void PasswordListEditor::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PasswordListEditor::retranslate()
{
    table->setHorizontalHeaderLabels({tr("Name"), tr("Password")});
    add->setText(tr("Add"));
    remove->setText(tr("Remove"));
    up->setText(tr("Up"));
    down->setText(tr("Down"));
    show->setText(tr("Show"));
    show->setToolTip(tr("Show the digits of the passwords"));
    for (int row = 0; row < table->rowCount(); ++row)
        showDigits(row);
}
