#include "session/program_view.h"

#include "grid/cell_editors.h"
#include "grid/cell_navigation.h"
#include "grid/channel_grid.h"
#include "grid/channel_grid_model.h"
#include "grid/column_room.h"
#include "grid/grid_layout.h"
#include "model/cell_commit.h"
#include "model/channel_codec.h"
#include "model/program_document.h"
#include "settings/program_context.h"
#include "ui/cell_message.h"
#include "ui/field_binding.h"
#include "ui/help_service.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

CProgramView::CProgramView(RadioImage& image, ProgramContext& context, QWidget* parent)
    : QWidget(parent), m_image(image), m_context(context),
      m_model(new ChannelGridModel(context.Texts(), this)), m_grid(new ChannelGrid(m_model, this)),
      m_editors(std::make_unique<CellEditors>(m_grid->viewport(), m_context.Texts().bChinese())) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    m_grid->setObjectName(QStringLiteral("channelGrid"));
    m_grid->setProperty(kControlIdProperty, IDC_CHANNEL_GRID);

    m_grid->LeaveCell = [this] { return leaveCell(); };
    m_grid->EnterCell = [this] { enterCell(); };
    m_grid->TypeInCell = [this](const QKeyEvent& key) { typeIntoCell(key); };
    connect(m_grid, &ChannelGrid::MouseDown, this, &CProgramView::onMouseDown);
    connect(m_grid, &ChannelGrid::Scrolled, this, &CProgramView::hideEditorsOnScroll);
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CProgramView::onSelectionChanged);

    installEventFilter(this);
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
    for (QWidget* editor : m_editors->All()) {
        editor->installEventFilter(this);
    }
    // Installed last, it sees the editors' keys first: the keys that move
    // between cells go to the grid.
    new CellNavigationKeys(m_grid, *m_editors);

    setWindowTitle(QString::fromStdString(m_context.Texts().Tr(ChannelWindowTitle())));
}

CProgramView::~CProgramView() = default;

void CProgramView::OnInitialUpdate() {
    if (m_firstSetUp) {
        for (int col = 0; col < kGridColumns; ++col) {
            m_columnWidths[static_cast<std::size_t>(col)] = ColumnBaseWidth(col);
        }
        m_columnLeast = ColumnTextWidths(*m_grid, *m_editors);
        if (QScreen* screen = this->screen()) {
            connect(screen, &QScreen::geometryChanged, this,
                    [this](const QRect& geometry) { OnDisplayChange(geometry.width()); });
        }
        m_firstSetUp = false;
    }
    // The current cell ends at row 1 of the name column, with no editor shown.
    m_grid->SetCurrentQuietly(1, kColName);
    m_editors->HideAll();

    if (QScreen* screen = this->screen()) {
        m_screenWidth = screen->geometry().width();
        m_screenHeight = screen->geometry().height();
    }
    scaleLayout(SetupScale(m_screenWidth));
    // A grid too narrow for its texts scrolls sideways; it opens at its first
    // column, wherever the current cell lies, once its window has taken its
    // place and size.
    QTimer::singleShot(0, m_grid, [grid = m_grid] { grid->horizontalScrollBar()->setValue(0); });

    const QString icon = QString::fromStdString(m_context.strAppDir) + QStringLiteral("title.ico");
    if (QFileInfo::exists(icon)) {
        setWindowIcon(QIcon(icon));
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
            frame->setWindowIcon(QIcon(icon));
        }
    }
    DecodeChannels();
}

void CProgramView::OnDisplayChange(int screenWidth) {
    if (screenWidth <= kScaleThresholdWidth) {
        return;
    }
    const double scale = DisplayChangeScale(m_screenWidth, screenWidth);
    m_screenWidth = screenWidth;
    scaleLayout(scale);
}

void CProgramView::scaleLayout(double scale) {
    for (int& width : m_columnWidths) {
        width = ScaleLength(width, scale);
    }
    resize(ScaleLength(width(), scale), ScaleLength(height(), scale));
    if (QWidget* frame = parentWidget()) {
        frame->resize(ScaleLength(frame->width(), scale), ScaleLength(frame->height(), scale));
    }
    applyColumnWidths();
}

void CProgramView::applyColumnWidths() {
    // The scrolling area less its frame and the vertical scroll bar, which
    // 129 rows need at any practical height.
    const int available = m_grid->width() - 2 * m_grid->frameWidth() -
                          m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_grid);
    const ColumnWidths shown = FitColumnWidths(m_columnWidths, m_columnLeast, available);
    m_grid->verticalHeader()->setFixedWidth(shown[0]);
    for (int col = 1; col < kGridColumns; ++col) {
        m_grid->setColumnWidth(col - 1, shown[static_cast<std::size_t>(col)]);
    }
}

void CProgramView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!m_firstSetUp) {
        applyColumnWidths();
    }
}

const ChannelTable& CProgramView::Channels() const {
    return m_model->Table();
}

int CProgramView::ChannelCount() const {
    const ChannelTable& table = m_model->Table();
    return static_cast<int>(std::count_if(table.begin(), table.end(), [](const ChannelTexts& row) {
        return !row[kColRx - 1].empty();
    }));
}

void CProgramView::EncodeChannels() {
    ::EncodeChannels(m_model->Table(), m_image, m_context.band);
}

void CProgramView::SetChannels(const ChannelTable& channels) {
    hideEditors();
    m_model->Table() = channels;
    m_model->TableReplaced();
}

void CProgramView::DecodeChannels() {
    // An edit begun on the old texts must not be committed over the new ones.
    hideEditors();
    ::DecodeChannels(m_image, m_model->Table(), m_context.band, m_context.Texts().bChinese());
    m_model->TableReplaced();
}

void CProgramView::BeginCellEdit() {
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid()) {
        return;
    }
    const int col = m_grid->Col();
    m_editors->Begin(col, m_model->Cell(m_grid->Row(), col), m_grid->visualRect(current));
}

bool CProgramView::CommitCellEdit() {
    return commit(CommitTrigger::LeaveCell);
}

bool CProgramView::commit(CommitTrigger trigger) {
    if (!m_grid->currentIndex().isValid()) {
        return true;
    }
    const int row = m_grid->Row();
    const int col = m_grid->Col();
    if (!m_editors->IsVisible(col)) {
        return true;
    }
    QWidget* editor = m_editors->ForColumn(col);
    const ChannelTexts before = m_model->Table()[static_cast<std::size_t>(row - 1)];
    const CommitResult result =
        ::CommitCellEdit(m_model->Table(), m_context.band, row, col, m_editors->Text(col),
                         m_context.Texts().bChinese(), trigger);
    if (result.effect != CommitEffect::None) {
        m_model->RowChanged(row);
    }
    if (result.Refused()) {
        ShowCellMessage(this, result.messageId, result.captionId,
                        result.icon == CellMessageIcon::Stop);
    }
    if (result.clearEditText) {
        m_editors->FrequencyEdit()->clear();
    }
    if (result.editorVisible) {
        editor->setFocus(Qt::OtherFocusReason);
    } else {
        const bool hadFocus = editor->hasFocus();
        editor->hide();
        if (hadFocus) {
            m_grid->setFocus(Qt::OtherFocusReason);
        }
    }
    if (m_model->Table()[static_cast<std::size_t>(row - 1)] != before) {
        emit ChannelsEdited();
    }
    return !result.editorVisible;
}

bool CProgramView::leaveCell() {
    return CommitCellEdit();
}

void CProgramView::enterCell() {
    BeginCellEdit();
}

void CProgramView::onMouseDown() {
    BeginCellEdit();
}

void CProgramView::typeIntoCell(const QKeyEvent& key) {
    m_grid->SetCurrentQuietly(m_grid->Row(), m_grid->Col());
    BeginCellEdit();
    QKeyEvent typed(QEvent::KeyPress, key.key(), key.modifiers(), key.text(), key.isAutoRepeat(),
                    key.count());
    QCoreApplication::sendEvent(m_editors->ForColumn(m_grid->Col()), &typed);
}

void CProgramView::hideEditorsOnScroll() {
    hideEditors();
    m_grid->viewport()->repaint();
}

void CProgramView::hideEditors() {
    const bool editorHadFocus = isCellEditor(m_grid->window()->focusWidget());
    m_editors->HideAll();
    if (editorHadFocus) {
        m_grid->setFocus(Qt::OtherFocusReason);
    }
}

bool CProgramView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // The view sees every key before the main window's shortcuts do.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && watched == QApplication::focusWidget()) {
            HelpService::ShowContext(this, helpContext());
        }
        // The edit commands' keys (Ctrl+C, Ctrl+Z ...) go to the commands,
        // which commit the edit first; the frequency edit keeps none of them.
        if (watched == m_editors->FrequencyEdit() && m_isCommandKey &&
            m_isCommandKey(key->keyCombination())) {
            return true;
        }
        // A key the frequency edit swallows reaches no shortcut either.
        if (watched == m_editors->FrequencyEdit() && frequencyEditSwallows(*key)) {
            event->accept();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress && watched == m_editors->FrequencyEdit()) {
        return filterFrequencyKey(static_cast<QKeyEvent*>(event));
    }
    if (event->type() == QEvent::KeyPress && isCellEditor(watched)) {
        return filterEditorKey(*static_cast<QKeyEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

bool CProgramView::isCellEditor(const QObject* object) const {
    const auto editors = m_editors->All();
    return std::find(editors.begin(), editors.end(), object) != editors.end();
}

bool CProgramView::filterEditorKey(const QKeyEvent& event) {
    // The name edit and the lists: Enter commits as it does in the
    // frequency edit, Escape leaves the cell as it was.
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CommitCellEdit();
        return true;
    case Qt::Key_Escape:
        cancelCellEdit();
        return true;
    default:
        return false;
    }
}

void CProgramView::cancelCellEdit() {
    m_editors->HideAll();
    m_grid->setFocus(Qt::OtherFocusReason);
}

bool CProgramView::filterFrequencyKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        commit(CommitTrigger::Enter);
        return true;
    }
    // Escape drops the typed value as it does in every other editor: the
    // cell keeps what it had, and nothing commits it later.
    if (event->key() == Qt::Key_Escape) {
        cancelCellEdit();
        return true;
    }
    return frequencyEditSwallows(*event);
}

bool CProgramView::frequencyEditSwallows(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return false;
    default:
        break;
    }
    // Digits and the point, from the keypad or from the main keys without
    // Shift; everything else (letters, symbols, shortcuts) is swallowed.
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers.testFlag(Qt::ShiftModifier) && !modifiers.testFlag(Qt::KeypadModifier)) {
        return true;
    }
    const QString text = event.text();
    const bool accepted = text.size() == 1 && text[0].unicode() < 0x80 &&
                          FrequencyEditAcceptsChar(static_cast<char>(text[0].unicode()));
    return !accepted;
}

int CProgramView::helpContext() const {
    QWidget* focus = QApplication::focusWidget();
    const int col = m_grid->Col();
    if (focus == m_editors->FrequencyEdit()) {
        return col == kColTx ? kHelpTxFrequency : kHelpRxFrequency;
    }
    if (focus == m_editors->ToneList()) {
        return col == kColEncodeTone ? kHelpEncodeTone : kHelpDecodeTone;
    }
    if (const int id = binding::ControlIdOf(focus); id != 0) {
        return id;
    }
    return IDC_CHANNEL_GRID;
}
