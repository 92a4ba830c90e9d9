#include "session/document_history.h"

#include "model/program_document.h"
#include "session/channel_working_copy.h"

#include <QUndoCommand>
#include <QUndoStack>
#include <utility>

// One change: the states before and after (a step shares its after state
// with the next step's before state). The first redo comes from the stack's
// push, when the document already is in the after state.
class DocumentHistory::Step : public QUndoCommand {
public:
    Step(DocumentHistory& history, SharedState before, SharedState after, const QString& text)
        : QUndoCommand(text), m_history(history), m_before(std::move(before)),
          m_after(std::move(after)) {}

    void undo() override { m_history.Restore(m_before); }
    void redo() override {
        if (m_pushed) {
            m_history.Restore(m_after);
        }
        m_pushed = true;
    }

private:
    DocumentHistory& m_history;
    SharedState m_before;
    SharedState m_after;
    bool m_pushed = false;
};

DocumentHistory::DocumentHistory(CProgramDoc& document, ChannelWorkingCopy& channels,
                                 BandPlan& bands, QObject* parent)
    : QObject(parent), m_document(document), m_channels(channels), m_bands(bands),
      m_stack(new QUndoStack(this)), m_recorded(Capture()) {
    m_stack->setUndoLimit(kUndoLimit);
    connect(m_stack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { m_document.SetModified(!clean); });
}

DocumentHistory::~DocumentHistory() = default;

DocumentHistory::SharedState DocumentHistory::Capture() const {
    return std::make_shared<const DocumentState>(
        DocumentState{m_document.Image(), m_channels.Channels(), m_bands});
}

void DocumentHistory::Restore(const SharedState& state) {
    m_document.Image() = state->image;
    m_bands = state->bands;
    m_channels.SetChannels(state->channels);
    m_recorded = state;
}

void DocumentHistory::Record(const QString& text) {
    SharedState now = Capture();
    if (*now == *m_recorded) {
        return;
    }
    SharedState before = std::exchange(m_recorded, now);
    m_stack->push(new Step(*this, std::move(before), std::move(now), text));
    // A change after an undo back to the clean step leaves that step behind.
    m_document.SetModified(!m_stack->isClean());
}

void DocumentHistory::Change(const QString& text, const std::function<void()>& change) {
    change();
    Record(text);
}

void DocumentHistory::MarkClean() {
    m_recorded = Capture();
    m_stack->setClean();
    m_document.SetModified(false);
}

void DocumentHistory::Undo() {
    m_channels.CommitCellEdit();
    m_stack->undo();
}

void DocumentHistory::Redo() {
    // An entry committed here is a new step, which drops the redo steps.
    m_channels.CommitCellEdit();
    m_stack->redo();
}
