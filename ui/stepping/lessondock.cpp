#include "ui/stepping/lessondock.h"
#include "ui/stepping/paneltext.h"
#include "ui/stepping/textcells.h"
#include "ui/support/keyregistry.h"
#include "ui/support/programfonts.h"

#include "ui/stepping/stepmode.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace trayeko::ui {

namespace {

// A pseudo-code line as the panel lists it: "▶" marks the lines the step executes.
QString codeLineText(int n, const QString& code, bool marked)
{
    return QStringLiteral("%1%2  %3")
        .arg(marked ? QStringLiteral("▶") : QStringLiteral(" "))
        .arg(n + 1, 2)
        .arg(code);
}

// The panel's buttons, after the step keys in the help.
constexpr KeyRow kPanelKeys[] = {
    {{},
     "tombol |◀ ◀ ▶ ▶| di panel Pelajaran",
     "langkah pertama, sebelumnya, berikutnya, terakhir"},
    {{}, "tombol Putar / Jeda di panel Pelajaran", "memutar langkah demi langkah atau menjedanya"},
    {{}, "tombol ✕ di panel Pelajaran, atau menutup panel", "keluar dari mode langkah"},
    {{},
     "Salin teks, Simpan CSV... di bawah tabel Dijkstra",
     "tabel langkah ke papan klip atau ke berkas CSV"},
};
const KeyListing kPanelKeysListed(keyplace::kSteps + 10, kStepSection, kPanelKeys);

} // namespace

LessonDock::LessonDock(QWidget* parent) : QDockWidget(QStringLiteral("Pelajaran"), parent)
{
    setObjectName(QStringLiteral("lessonDock"));
    setAccessibleName(QStringLiteral("Pelajaran"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
}

void LessonDock::showEvent(QShowEvent* event)
{
    // Shown outside step mode (its place restored, say): the hint.
    if (!widget()) {
        build();
        showLesson();
    }
    QDockWidget::showEvent(event);
}

void LessonDock::build()
{
    // The panel shows only in step mode, which most lessons reach late or never: its contents
    // are built when it is first needed, not with the frame.
    if (widget())
        return;
    m_pages = new QStackedWidget(this);
    auto* content = new QWidget(m_pages);
    content->setObjectName(QStringLiteral("lessonContent"));
    auto* outer = new QVBoxLayout(content);
    outer->setContentsMargins(4, 4, 4, 4);
    m_hint = wrappedLabel(content, QStringLiteral("lessonHint"), QStringLiteral("Petunjuk"));
    m_hint->setText(QStringLiteral("Tekan F10 (Langkah demi langkah) di jendela metode Dijkstra "
                                   "atau Floyd untuk memulai pelajaran, atau F9 (Latihan) untuk "
                                   "berlatih."));
    outer->addWidget(m_hint);
    m_announcer = new Announcer(content);

    // Playback stays at the top and the table's buttons at the bottom, whatever the height;
    // the explanation, the code and the grid between them scroll where the screen is small.
    m_controls = new QWidget(content);
    auto* buttons = new QHBoxLayout(m_controls);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(2);
    const auto button = [&](const QString& name, const QString& text, const QString& accessible,
                            void (StepMode::*slot)()) {
        auto* b = new QToolButton(m_controls);
        b->setObjectName(name);
        b->setText(text);
        b->setAccessibleName(accessible);
        b->setToolTip(accessible);
        buttons->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, slot] { onMode(slot); });
        return b;
    };
    button(QStringLiteral("stepFirst"), QStringLiteral("|◀"),
           QStringLiteral("Langkah pertama (Home)"), &StepMode::first);
    button(QStringLiteral("stepBack"), QStringLiteral("◀"),
           QStringLiteral("Langkah sebelumnya (Kiri)"), &StepMode::previous);
    m_play = button(QStringLiteral("stepPlay"), QStringLiteral("Putar"),
                    QStringLiteral("Putar atau jeda (P)"), &StepMode::togglePlay);
    button(QStringLiteral("stepForward"), QStringLiteral("▶"),
           QStringLiteral("Langkah berikutnya (Kanan atau Spasi)"), &StepMode::next);
    button(QStringLiteral("stepLast"), QStringLiteral("▶|"),
           QStringLiteral("Langkah terakhir (End)"), &StepMode::last);
    m_speed = new QDoubleSpinBox(m_controls);
    m_speed->setObjectName(QStringLiteral("stepSpeed"));
    m_speed->setAccessibleName(QStringLiteral("Kecepatan putar, detik per langkah"));
    m_speed->setToolTip(m_speed->accessibleName());
    m_speed->setRange(0.5, 3.0);
    m_speed->setSingleStep(0.5);
    m_speed->setDecimals(1);
    m_speed->setValue(m_playIntervalMs / 1000.0);
    m_speed->setSuffix(QStringLiteral(" dtk"));
    connect(m_speed, &QDoubleSpinBox::valueChanged, this, [this](double seconds) {
        m_playIntervalMs = int(seconds * 1000 + 0.5);
        if (m_mode)
            m_mode->setPlayInterval(m_playIntervalMs);
    });
    buttons->addWidget(m_speed);
    buttons->addStretch();
    button(QStringLiteral("stepClose"), QStringLiteral("✕"),
           QStringLiteral("Keluar dari mode langkah (Esc)"), &StepMode::leave);
    outer->addWidget(m_controls);

    m_scroll = new QScrollArea(content);
    m_scroll->setObjectName(QStringLiteral("lessonScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFocusPolicy(Qt::NoFocus); // no tab stop of its own; it follows the focus
    // The texts wrap to the panel's width; only the code and the grid scroll sideways.
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_body = new QWidget;
    m_body->setObjectName(QStringLiteral("lessonBody"));
    auto* layout = new QVBoxLayout(m_body);
    layout->setContentsMargins(0, 0, 0, 0);

    m_explanation = wrappedLabel(m_body, QStringLiteral("stepExplanation"),
                                 QStringLiteral("Penjelasan langkah"));
    layout->addWidget(m_explanation);
    m_variables =
        wrappedLabel(m_body, QStringLiteral("lessonVariables"), QStringLiteral("Nilai variabel"));
    layout->addWidget(m_variables);

    // The code and the grid share what height is left; each scrolls on its own if it must.
    auto* split = new QSplitter(Qt::Vertical, m_body);
    split->setObjectName(QStringLiteral("lessonSplit"));
    split->setChildrenCollapsible(false);
    m_code = new QListWidget(split);
    m_code->setObjectName(QStringLiteral("lessonCode"));
    m_code->setAccessibleName(QStringLiteral("Kode semu"));
    m_code->setSelectionMode(QAbstractItemView::MultiSelection);
    m_code->setFocusPolicy(Qt::NoFocus);
    m_code->setFont(listingFontInPoints(m_code->font().pointSizeF()));
    m_code->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_code->setItemDelegate(new TextCellDelegate(m_code));
    auto* gridBox = new QWidget(split);
    auto* gridLayout = new QVBoxLayout(gridBox);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    m_gridTitle =
        wrappedLabel(gridBox, QStringLiteral("lessonGridTitle"), QStringLiteral("Judul tabel"));
    gridLayout->addWidget(m_gridTitle);
    m_grid = new QTableWidget(gridBox);
    m_grid->setObjectName(QStringLiteral("lessonGrid"));
    // The rows follow their contents: the same few numbers, measured once each.
    m_grid->setItemDelegate(new TextCellDelegate(m_grid));
    m_grid->setAccessibleName(QStringLiteral("Tabel langkah"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // The columns share the width evenly, never narrower than their widest cell: a narrow panel
    // scrolls the grid sideways instead of cutting its numbers.
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Tab goes on to the buttons below, as everywhere in the panel; the arrows go through cells.
    m_grid->setTabKeyNavigation(false);
    gridLayout->addWidget(m_grid, 1);
    layout->addWidget(split, 1);
    m_scroll->setWidget(m_body);
    outer->addWidget(m_scroll, 1);

    m_tableButtons = new QWidget(content);
    auto* tableButtons = new QHBoxLayout(m_tableButtons);
    tableButtons->setContentsMargins(0, 0, 0, 0);
    m_copy = new QPushButton(QStringLiteral("Salin teks"), m_tableButtons);
    m_copy->setObjectName(QStringLiteral("lessonCopy"));
    m_csv = new QPushButton(QStringLiteral("Simpan CSV..."), m_tableButtons);
    m_csv->setObjectName(QStringLiteral("lessonCsv"));
    connect(m_copy, &QPushButton::clicked, this, [this] { onMode(&StepMode::copyTableText); });
    connect(m_csv, &QPushButton::clicked, this, [this] { onMode(&StepMode::saveTableCsv); });
    tableButtons->addWidget(m_copy);
    tableButtons->addWidget(m_csv);
    tableButtons->addStretch();
    outer->addWidget(m_tableButtons);
    m_pages->addWidget(content);
    setWidget(m_pages);

    // The step keys answer here too, for a student who has clicked into the panel.
    for (const StepMode::Key& k : StepMode::keys())
        new QShortcut(
            k.key, content, content, [this, slot = k.slot] { onMode(slot); },
            Qt::WidgetWithChildrenShortcut);
}

QList<QWidget*> LessonDock::tabStops() const
{
    QList<QWidget*> stops;
    QWidget* page = m_pages ? m_pages->currentWidget() : nullptr;
    if (!page)
        return stops;
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w) || !w->isVisible() || !w->isEnabled() || w->focusProxy() ||
            !(w->focusPolicy() & Qt::TabFocus))
            continue;
        stops << w;
    }
    return stops;
}

bool LessonDock::focusNextPrevChild(bool next)
{
    const QList<QWidget*> stops = tabStops();
    QWidget* focus = QApplication::focusWidget();
    qsizetype at = -1;
    for (qsizetype i = 0; focus && i < stops.size() && at < 0; ++i)
        if (stops[i] == focus || stops[i]->isAncestorOf(focus))
            at = i;
    if (at < 0)
        return QDockWidget::focusNextPrevChild(next);
    const qsizetype to = (at + (next ? 1 : stops.size() - 1)) % stops.size();
    stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void LessonDock::focusPage()
{
    build();
    QWidget* page = m_pages->currentWidget();
    QWidget* last = page->focusWidget();
    const QList<QWidget*> stops = tabStops();
    if (last && stops.contains(last))
        last->setFocus(Qt::OtherFocusReason);
    else if (!stops.isEmpty())
        stops.first()->setFocus(Qt::TabFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

template <class Call> void LessonDock::onMode(Call call)
{
    if (m_mode)
        (m_mode.data()->*call)();
}

void LessonDock::follow(StepMode* mode)
{
    if (mode == m_mode)
        return;
    m_connections.clear();
    // The marks belong to the explanation: a window the panel no longer explains leaves step
    // mode, so that no drawing keeps marks nobody explains (nor plays on unseen).
    if (m_mode)
        m_mode->leave();
    m_mode = mode;
    if (mode) {
        m_connections.follow({
            connect(mode, &StepMode::entered, this,
                    [this] {
                        showLesson();
                        // The frame places the panel as it opens; alone, it shows itself.
                        emit opened();
                        show();
                        raise();
                    }),
            connect(mode, &StepMode::left, this, &LessonDock::showLesson),
            connect(mode, &StepMode::stepShown, this, &LessonDock::showFrame),
            connect(mode, &StepMode::playingChanged, this, &LessonDock::showPlaying),
            connect(mode, &QObject::destroyed, this, [this] { follow(nullptr); }),
        });
        mode->setPlayInterval(m_playIntervalMs);
    }
    showLesson();
}

void LessonDock::showPage(QWidget* page)
{
    if (!page && !m_pages)
        return; // the lesson has not been built yet, and it would be the page shown
    build();
    if (!page) {
        m_pages->setCurrentIndex(0);
        return;
    }
    // Each page scrolls inside the panel where the screen is too small for it, so that neither
    // the page nor the panel can make the frame outgrow the screen.
    auto* holder = qobject_cast<QScrollArea*>(
        page->parentWidget() ? page->parentWidget()->parentWidget() : nullptr);
    if (!holder || m_pages->indexOf(holder) < 0) {
        holder = new QScrollArea(m_pages);
        holder->setObjectName(QStringLiteral("lessonPageScroll"));
        holder->setFrameShape(QFrame::NoFrame);
        holder->setWidgetResizable(true);
        holder->setFocusPolicy(Qt::NoFocus);
        holder->setWidget(page);
        m_pages->addWidget(holder);
    }
    m_pages->setCurrentWidget(holder);
}

void LessonDock::closeEvent(QCloseEvent* event)
{
    // The marks without their explanation would puzzle: closing the panel ends step mode, and
    // whatever else it shows.
    onMode(&StepMode::leave);
    emit closed();
    QDockWidget::closeEvent(event);
}

void LessonDock::showLesson()
{
    const bool active = m_mode && m_mode->isActive();
    if (!widget() && !active)
        return; // the hint shows when the panel is built
    build();
    const auto showParts = [this](bool lesson) {
        m_hint->setVisible(!lesson);
        m_controls->setVisible(lesson);
        m_scroll->setVisible(lesson);
        m_tableButtons->setVisible(lesson);
    };
    if (!active) {
        showParts(false);
        m_explanation->clear();
        m_code->clear();
        // The grid is out of sight with the rest; its cells stay, so that the lesson entered
        // again (Esc, then F10, the same weights) rewrites none of them, and another lesson only
        // those it changes.
        showPlaying(false);
        return;
    }
    const Lesson& lesson = m_mode->lesson();
    m_code->clear();
    for (int n = 0; n < lesson.code.size(); ++n)
        m_code->addItem(codeLineText(n, lesson.code[n], false));
    m_gridTitle->setText(lesson.gridTitle);
    m_copy->setVisible(!lesson.tableText.isEmpty());
    m_csv->setVisible(!lesson.tableCsv.empty());
    showPlaying(m_mode->isPlaying());
    // The grid holds the step about to be shown before the panel measures it and lays it out:
    // its columns and row titles are part of the width the lesson needs, and a panel laid out
    // with the last lesson's grid (or none) would only be laid out again.
    if (const StepFrame* frame = m_mode->currentFrame())
        writeGrid(frame->grid);
    else if (!lesson.frames.empty())
        writeGrid(lesson.frames.front().grid);
    fitWidths(lesson);
    showParts(true);
    showFrame();
}

void LessonDock::fitWidths(const Lesson& lesson)
{
    // The code as wide as its longest line marked (bold): the width at which no line scrolls.
    QFont bold = m_code->font();
    bold.setBold(true);
    const QFontMetrics codeMetrics(bold);
    int widest = 0;
    for (int n = 0; n < lesson.code.size(); ++n)
        widest =
            std::max(widest, codeMetrics.horizontalAdvance(codeLineText(n, lesson.code[n], true)));
    const int itemMargins =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_code) + 1);
    const int scrollBar = m_code->verticalScrollBar()->sizeHint().width();
    const int codeWidth = widest + itemMargins + 2 * m_code->frameWidth() + scrollBar;

    // Every column of the grid at least as wide as its widest cell of any step: the columns share
    // the width evenly, stay put while the lesson fills them, and scroll rather than shrink.
    const QFont cellFont = m_grid->font();
    const QFont headFont = m_grid->horizontalHeader()->font();
    // Each text measured once: a matrix repeats most of its values from step to step, and
    // measuring thirty 30 x 30 matrices cell by cell would take longer than a frame. A list a step
    // shares with the step before (a row it left alone, the same headings) is not even read again.
    QSet<QString> heads, texts;
    const LessonGrid* before = nullptr;
    for (const StepFrame& frame : lesson.frames) {
        const LessonGrid& grid = frame.grid;
        if (!before || !grid.columns.isSharedWith(before->columns))
            for (const QString& column : grid.columns)
                heads.insert(column);
        for (std::size_t r = 0; r < grid.cells.size(); ++r)
            if (!before || r >= before->cells.size() ||
                !grid.cells[r].isSharedWith(before->cells[r]))
                for (const QString& text : grid.cells[r])
                    texts.insert(text);
        before = &grid;
    }
    int cell = 0;
    for (const QString& head : heads)
        cell = std::max(cell, m_headWidths.of(headFont, head));
    for (const QString& text : texts)
        cell = std::max(cell, m_cellWidths.of(cellFont, text));
    const int column = cell + itemMargins + 1;
    m_grid->horizontalHeader()->setMinimumSectionSize(column);
    const int gridWidth = m_grid->columnCount() * column +
                          m_grid->verticalHeader()->sizeHint().width() + 2 * m_grid->frameWidth() +
                          scrollBar;

    const QMargins margins = m_pages->widget(0)->layout()->contentsMargins();
    m_preferredWidth = std::max(codeWidth, gridWidth) + margins.left() + margins.right() +
                       m_scroll->verticalScrollBar()->sizeHint().width() +
                       2 * style()->pixelMetric(QStyle::PM_DockWidgetFrameWidth, nullptr, this);
}

namespace {

// Whether @p grid's header in @p orientation reads @p labels already: written again, each label
// would announce a change of the whole header.
bool headerShows(const QTableWidget* grid, Qt::Orientation orientation, const QStringList& labels)
{
    const QAbstractItemModel* model = grid->model();
    const int count = orientation == Qt::Horizontal ? model->columnCount() : model->rowCount();
    if (count != labels.size())
        return false;
    for (int i = 0; i < count; ++i)
        if (model->headerData(i, orientation).toString() != labels[i])
            return false;
    return true;
}

// A cell's note: it marks the cell, and is its tool tip and its description for assistive
// technology.
void writeNote(QTableWidgetItem* item, const QString& note)
{
    item->setData(Qt::BackgroundRole,
                  note.isEmpty() ? QVariant() : QVariant(LessonDock::markColour()));
    item->setToolTip(note);
    item->setData(Qt::AccessibleDescriptionRole, note.isEmpty() ? QVariant() : note);
}

} // namespace

void LessonDock::writeGrid(const LessonGrid& grid)
{
    // The rows' heights follow their contents, which lays out every row again for every cell
    // and label written: at thirty nodes more than a frame's time. They are held while the step
    // is written and measured once after it.
    QHeaderView* rowHeader = m_grid->verticalHeader();
    rowHeader->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->setColumnCount(int(grid.columns.size()));
    m_grid->setRowCount(int(grid.rows.size()));
    if (!headerShows(m_grid, Qt::Horizontal, grid.columns))
        m_grid->setHorizontalHeaderLabels(grid.columns);
    if (!headerShows(m_grid, Qt::Vertical, grid.rows))
        m_grid->setVerticalHeaderLabels(grid.rows);
    for (int r = 0; r < int(grid.cells.size()); ++r)
        for (int c = 0; c < int(grid.cells[size_t(r)].size()); ++c) {
            // The cells of the last step are rewritten in place: new items would lay the
            // whole grid out again, the most of a step's time.
            const QString& text = grid.cells[size_t(r)][c];
            const QString& note = grid.notes[size_t(r)][c];
            QTableWidgetItem* item = m_grid->item(r, c);
            if (!item) {
                // Filled before it joins the grid, which then hears of it once.
                item = new QTableWidgetItem(text);
                item->setTextAlignment(Qt::AlignCenter);
                writeNote(item, note);
                m_grid->setItem(r, c, item);
                continue;
            }
            // Each change tells the grid's model, its views and assistive technology: a cell
            // the step leaves as it was is not written again.
            if (item->text() != text)
                item->setText(text);
            if (item->toolTip() != note)
                writeNote(item, note);
        }
    // A place the step has no cell for shows nothing, not what another step or lesson left there.
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        const int written = r < int(grid.cells.size()) ? int(grid.cells[size_t(r)].size()) : 0;
        for (int c = written; c < m_grid->columnCount(); ++c)
            delete m_grid->takeItem(r, c);
    }
    rowHeader->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void LessonDock::showFrame()
{
    const StepFrame* frame = m_mode ? m_mode->currentFrame() : nullptr;
    if (!frame || !widget())
        return;
    m_explanation->setText(frame->explanation);
    m_variables->setText(frame->variables);

    // The lines this step executes: selected, and marked "▶" as their text equivalent.
    const Lesson& lesson = m_mode->lesson();
    // Only the lines whose mark changes are written again: each write lays the list out anew
    // and tells assistive technology.
    QListWidgetItem* firstMarked = nullptr;
    for (int n = 0; n < m_code->count(); ++n) {
        const bool marked = std::find(frame->codeLines.begin(), frame->codeLines.end(), n + 1) !=
                            frame->codeLines.end();
        QListWidgetItem* item = m_code->item(n);
        const QString text = codeLineText(n, lesson.code[n], marked);
        if (item->text() != text)
            item->setText(text);
        if (item->isSelected() != marked)
            item->setSelected(marked);
        if (QFont f = item->font(); f.bold() != marked) {
            f.setBold(marked);
            item->setFont(f);
        }
        if (marked && !firstMarked)
            firstMarked = item;
    }
    // Scrolled to, not made current: Qt tells assistive technology that a view's new current
    // item has the focus even where the view has none, and a screen reader would follow it away
    // from where the student is.
    if (firstMarked)
        m_code->scrollToItem(firstMarked);

    writeGrid(frame->grid);
    const LessonGrid& grid = frame->grid;
    if (grid.currentRow >= 0) {
        const QModelIndex row = m_grid->model()->index(grid.currentRow, 0);
        if (m_grid->hasFocus()) {
            m_grid->selectRow(grid.currentRow);
        } else {
            // The row becomes current without a word to assistive technology (see the code
            // above), so that Tab into the grid lands on it.
            QItemSelectionModel* selection = m_grid->selectionModel();
            selection->blockSignals(true);
            selection->setCurrentIndex(row, QItemSelectionModel::NoUpdate);
            selection->blockSignals(false);
            selection->select(row, QItemSelectionModel::ClearAndSelect |
                                       QItemSelectionModel::Rows);
        }
        m_grid->scrollTo(row);
    } else {
        m_grid->clearSelection();
    }
    // Screen readers speak the new step wherever the focus is: on the drawing, or on a button
    // of the panel.
    m_announcer->say(frame->explanation);
}

void LessonDock::showPlaying(bool playing)
{
    if (!m_play)
        return;
    m_play->setText(playing ? QStringLiteral("Jeda") : QStringLiteral("Putar"));
}

} // namespace trayeko::ui
