#pragma once
// The undo history of one document: a buffer's bytes, or a whole module
// image. Every change of the bytes becomes a step, whatever made it (a cell,
// a field editor, a fix of the Module panel); changes that come together, as
// a byte and the check code that follows it, make one step. The window's own
// commands (Read, Open, New, Paste) record themselves under their names.
//
// The history is a child of the document it records, so that whoever edits
// the document can find it: EditHistory::of(document).

#include <QUndoStack>
#include <QVariant>

#include <functional>

class QTimer;

class EditHistory : public QUndoStack
{
    Q_OBJECT

public:
    // What a step keeps of the document and puts back; opaque to the history.
    using Snapshot = QVariant;
    using Capture = std::function<Snapshot()>;
    using Restore = std::function<void(const Snapshot &)>;

    EditHistory(QObject *document, Capture capture, Restore restore);
    ~EditHistory() override;

    static EditHistory *of(const QObject *document);

    // Runs `change` as one step named `text`; no step when nothing changed.
    void record(const QString &text, const std::function<void()> &change);
    // Runs `change` through the history of `document` when it has one.
    static void recordOn(QObject *document, const QString &text, const std::function<void()> &change);

    // Marks the document as it is now as saved, read or written.
    void markClean();

public slots:
    // The document changed by itself: a step, or part of the step under way.
    void noteChange();

private:
    friend class SnapshotStep;
    void apply(const Snapshot &state);

    Capture capture_;
    Restore restore_;
    Snapshot last_;
    QUndoCommand *open_ = nullptr;  // the step that changes of this turn of the event loop join
    QTimer *closeTimer_;
    bool busy_ = false;
};
