#include "edithistory.h"

#include <QTimer>

// One step: the document before and after it.
class SnapshotStep : public QUndoCommand
{
public:
    SnapshotStep(EditHistory *history, const QString &text, EditHistory::Snapshot before,
                 EditHistory::Snapshot after)
        : QUndoCommand(text), history_(history), before_(std::move(before)), after_(std::move(after))
    {
    }

    void undo() override { history_->apply(before_); }
    void redo() override
    {
        // Pushed once the change is made: nothing to do the first time.
        if (done_)
            history_->apply(after_);
        done_ = true;
    }
    void setAfter(EditHistory::Snapshot after) { after_ = std::move(after); }

private:
    EditHistory *history_;
    EditHistory::Snapshot before_;
    EditHistory::Snapshot after_;
    bool done_ = false;
};

EditHistory::EditHistory(QObject *document, Capture capture, Restore restore)
    : QUndoStack(document), capture_(std::move(capture)), restore_(std::move(restore)), last_(capture_()),
      closeTimer_(new QTimer(this))
{
    // A step stays open for the changes of one turn of the event loop.
    closeTimer_->setSingleShot(true);
    closeTimer_->setInterval(0);
    connect(closeTimer_, &QTimer::timeout, this, [this] { open_ = nullptr; });
    connect(this, &QUndoStack::indexChanged, this, [this] {
        if (!busy_ && (index() == 0 || command(index() - 1) != open_))
            open_ = nullptr;
    });
}

EditHistory::~EditHistory()
{
    // The stack empties itself as it goes: no step of this history is left to follow.
    disconnect(this, &QUndoStack::indexChanged, this, nullptr);
}

EditHistory *EditHistory::of(const QObject *document)
{
    return document ? document->findChild<EditHistory *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void EditHistory::noteChange()
{
    if (busy_)
        return;
    const Snapshot now = capture_();
    if (now == last_)
        return;
    auto *open = static_cast<SnapshotStep *>(open_);
    if (open && index() == count() && command(index() - 1) == open_) {
        open->setAfter(now);
    } else {
        busy_ = true;
        open_ = new SnapshotStep(this, tr("Edit"), last_, now);
        push(open_);
        busy_ = false;
    }
    last_ = now;
    closeTimer_->start();
}

void EditHistory::record(const QString &text, const std::function<void()> &change)
{
    open_ = nullptr;
    busy_ = true;
    change();
    const Snapshot now = capture_();
    if (now != last_)
        push(new SnapshotStep(this, text, last_, now));
    busy_ = false;
    last_ = now;
}

void EditHistory::recordOn(QObject *document, const QString &text, const std::function<void()> &change)
{
    if (EditHistory *history = of(document))
        history->record(text, change);
    else
        change();
}

void EditHistory::markClean()
{
    open_ = nullptr;
    setClean();
}

void EditHistory::apply(const Snapshot &state)
{
    busy_ = true;
    restore_(state);
    // What the restored document holds now, check codes and all.
    last_ = capture_();
    busy_ = false;
}
