#pragma once
// The undo history of one open document. Every change of the document (a
// cell edit, a paste, a row operation, OK in a settings dialog, a read, an
// import) becomes one step that holds the document as it was before
// and after: the image and the grid's channel table. Undo and redo put one of
// the two back whole, so a step can never be undone half way.
//
// The document counts as modified exactly while the history is not at its
// clean step (the one last saved or opened), so undoing back to the saved
// state leaves nothing to save. A read is a change like any other: the data
// it brought is in no file yet.

#include "model/band.h"
#include "model/channel_table.h"
#include "model/radio_image.h"

#include <QObject>
#include <functional>
#include <memory>

class ChannelWorkingCopy;
class CProgramDoc;
class QString;
class QUndoStack;

// What a step restores: the image, the grid's texts, and the band plan
// (band code and limits) that the Product Information dialog sets for the
// whole program (the grid checks frequencies against it and the encode
// stores it).
struct DocumentState {
    RadioImage image;
    ChannelTable channels;
    BandPlan bands;
    bool operator==(const DocumentState&) const = default;
};

class DocumentHistory : public QObject {
    Q_OBJECT
public:
    // bands: the program's band plan, which every step saves and restores.
    DocumentHistory(CProgramDoc& document, ChannelWorkingCopy& channels, BandPlan& bands,
                    QObject* parent = nullptr);
    ~DocumentHistory() override;

    // The oldest steps go beyond this many (a step costs two states at
    // most, about 40 kB each, and shares one of them with its neighbour).
    static constexpr int kUndoLimit = 500;

    QUndoStack& Stack() const { return *m_stack; }

    // Records what changed since the last recorded state as one step named
    // text. Nothing is recorded when the document is as it was.
    void Record(const QString& text);
    // Runs change (which changes the document's image or the grid's channel
    // table) and records it as one step. This is the one way for a whole
    // operation (a paste, an import) to become a single undo step.
    void Change(const QString& text, const std::function<void()>& change);
    // The document now equals its file (opened or saved).
    void MarkClean();

    // The in-place edit still open in the grid is committed first; it
    // becomes a step of its own, through the view's edit signal.
    void Undo();
    void Redo();

private:
    class Step;
    using SharedState = std::shared_ptr<const DocumentState>;
    SharedState Capture() const;
    void Restore(const SharedState& state);

    CProgramDoc& m_document;
    ChannelWorkingCopy& m_channels;
    BandPlan& m_bands;
    QUndoStack* m_stack;
    // The document as the last step left it.
    SharedState m_recorded;
};
