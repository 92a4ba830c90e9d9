#pragma once
// A new document's channel grid in its view, shown and active on the
// offscreen platform, and the moves of a user over it: what the grid view
// tests share.

#include "grid/channel_grid.h"
#include "model/radio_image.h"
#include "session/program_view.h"
#include "settings/program_context.h"
#include "texts_qt/qt_catalogue.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

// The status-bar notes the editors send up to their window.
class StatusTips : public QObject {
public:
    explicit StatusTips(QWidget* window) { window->installEventFilter(this); }
    QStringList seen;

protected:
    bool eventFilter(QObject*, QEvent* event) override;
};

extern const QStringList kEmptyRow;
extern const QStringList kNewChannel145;

class GridViewFixture : public QObject {
protected:
    // Before each test: English, a new document's view shown and active.
    void setUpView();
    void tearDown();

    void makeView();
    ChannelGrid* grid() const { return m_view->Grid(); }
    QLineEdit* frequencyEdit() const { return m_view->findChild<QLineEdit*>("frequencyEdit"); }
    QLineEdit* nameEdit() const { return m_view->findChild<QLineEdit*>("nameEdit"); }
    QComboBox* list(const char* name) const { return m_view->findChild<QComboBox*>(name); }
    void click(int row, int col);
    void typeFrequency(int row, int col, const QString& text);
    void addChannel(int row, const QString& rx);
    QStringList rowTexts(int row) const;
    QString cell(int row, int col) const { return rowTexts(row).at(col - 1); }
    // A new view in Chinese: the catalogue is the context's until tearDown.
    void makeChineseView();

    std::unique_ptr<QtCatalogue> m_chinese;
    ProgramContext m_context;
    RadioImage m_image;
    std::unique_ptr<CProgramView> m_view;
};
