// The lesson panel's grid: what each step shows in it, worked out and written only where it
// changes, and measured as Qt measures it.

#include "core/steps.h"
#include "ui/drawing/drawingwidget.h"
#include "ui/drawing/lessonwindow.h"
#include "ui/stepping/lessondock.h"
#include "ui/stepping/lessons.h"
#include "ui/stepping/paneltext.h"
#include "ui/stepping/stepmode.h"
#include "ui/stepping/textcells.h"
#include "ui/support/utf8.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QTableWidget>
#include <QtTest>

Q_DECLARE_METATYPE(trayeko::Network)

using namespace trayeko;
using namespace trayeko::ui;

namespace {

class BareDrawing final : public DrawingWidget
{
public:
    BareDrawing(const Network& network, QWidget* parent)
        : DrawingWidget(parent), m_model(network, 1, network.nodeCount(), this)
    {
    }
    DrawingModel& model() override { return m_model; }
    const DrawingModel& model() const override { return m_model; }

private:
    DrawingModel m_model;
};

class GridWindow final : public LessonWindow
{
public:
    GridWindow(const Network& network, bool floyd) : m_network(network)
    {
        setWidget(new QWidget);
        m_drawing = new BareDrawing(network, widget());
        m_steps = addLessonStepMode(this, floyd, {});
    }
    DrawingWidget* drawing() const override { return m_drawing; }
    StepMode* stepMode() const override { return m_steps; }
    Exercise* exercise() const override { return nullptr; }
    LessonNetwork lessonNetwork() const override { return {m_network, 1, 0}; }
    void setLessonWeights(const std::vector<double>&) override {}
    std::vector<double> defaultLessonWeights() const override { return m_network.weights(); }

private:
    Network m_network;
    BareDrawing* m_drawing = nullptr;
    StepMode* m_steps = nullptr;
};

// Six columns of five nodes as a teacher might draw a town, with links to the right, down and
// some back; @p weight scales every weight.
Network townOfThirty(double weight = 1)
{
    Network network(30);
    for (int n = 1; n <= 30; ++n) {
        if (n + 5 <= 30)
            network.addLink(n, n + 5, weight * (1 + (n * 7) % 13));
        if (n % 5 != 0)
            network.addLink(n, n + 1, weight * (1 + (n * 5) % 11));
        if (n % 3 == 0 && n > 5)
            network.addLink(n, n - 4, weight * (2 + n % 7));
    }
    return network;
}

// Some weights below zero, and node 4 out of everybody's reach.
Network withNegativesAndUnreached()
{
    Network network(5);
    network.addLink(1, 2, 4);
    network.addLink(2, 3, -2);
    network.addLink(1, 3, 5);
    network.addLink(3, 5, 1.5);
    network.addLink(5, 2, 3);
    network.addLink(4, 1, 1);
    return network;
}

} // namespace

class TestLessonGrid : public QObject
{
    Q_OBJECT

private slots:
    void floydTextsFollowTheirValues_data()
    {
        QTest::addColumn<Network>("network");
        QTest::addColumn<QString>("separator");
        QTest::newRow("thirty nodes") << townOfThirty() << ".";
        QTest::newRow("thirty nodes, fractions, decimal comma") << townOfThirty(0.25) << ",";
        QTest::newRow("negative weights, a node unreached") << withNegativesAndUnreached() << ".";
    }

    // Every frame's matrix reads its own iteration's values, although each iteration writes out
    // only the cells it changed.
    void floydTextsFollowTheirValues()
    {
        QFETCH(Network, network);
        QFETCH(QString, separator);
        const std::string sep = separator.toStdString();
        const int end = network.nodeCount();
        const std::vector<FloydIteration> iterations = floydChanges(network, 1, end, sep);
        const Lesson lesson = floydLesson(network, 1, end, sep);
        QCOMPARE(lesson.frames.size(), iterations.size());
        for (std::size_t i = 0; i < iterations.size(); ++i) {
            const FloydIteration& it = iterations[i];
            const LessonGrid& grid = lesson.frames[i].grid;
            QCOMPARE(grid.cells.size(), it.value.size());
            for (std::size_t r = 0; r < it.value.size(); ++r) {
                QStringList expected, notes(qsizetype(it.value[r].size()));
                for (const auto& cell : it.value[r])
                    expected << toQString(floydCellText(cell, sep));
                for (const FloydChange& c : it.changes)
                    if (at(c.from) == r)
                        notes[c.to - 1] = toQString(floydChangeText(c, it.k, sep));
                QCOMPARE(grid.cells[r], expected);
                QCOMPARE(grid.notes[r], notes);
            }
        }
    }

    void textCellsMeasureAsQt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("a number") << "12";
        QTest::newRow("no path") << "∞";
        QTest::newRow("empty") << "";
        QTest::newRow("words that wrap in a narrow column") << "12 (3) 45 (6) 78 (9)";
    }

    // A cell measures as Qt's own delegate measures it, at every width and font, in the view's
    // font and in one of its own, also when the size was asked before at another width or
    // in another font.
    void textCellsMeasureAsQt()
    {
        QFETCH(QString, text);
        QTableWidget table(1, 1);
        auto* item = new QTableWidgetItem(text);
        table.setItem(0, 0, item);
        const QModelIndex index = table.model()->index(0, 0);
        TextCellDelegate cells;
        QStyledItemDelegate qt;
        QFont large = table.font();
        large.setPointSizeF(large.pointSizeF() * 2.5);
        QFont own;
        own.setBold(true);
        own.setPointSizeF(own.pointSizeF() * 1.6);
        // The own font changes innermost, where nothing else would make the delegate forget.
        for (int pass = 0; pass < 2; ++pass)
            for (const QFont& font : {table.font(), large})
                for (const bool wrap : {true, false})
                    for (const int width : {0, 24, 60, 400})
                        for (const bool ownFont : {false, true}) {
                            item->setData(Qt::FontRole, ownFont ? QVariant(own) : QVariant());
                            QStyleOptionViewItem option;
                            option.initFrom(&table);
                            option.widget = &table;
                            option.font = font;
                            option.fontMetrics = QFontMetrics(font);
                            option.features =
                                wrap ? QStyleOptionViewItem::WrapText : QStyleOptionViewItem::None;
                            option.rect = QRect(0, 0, width, 1);
                            QCOMPARE(cells.sizeHint(option, index), qt.sizeHint(option, index));
                        }
    }

    void wrappedLabelHeightFollowsItsText_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("another text") << "text";
        QTest::newRow("a larger font") << "font";
        QTest::newRow("wider margins") << "margins";
    }

    // A panel's label is as tall as a label made afresh with its text, font and margins, at any
    // width, also after it was asked its height with others.
    void wrappedLabelHeightFollowsItsText()
    {
        QFETCH(QString, change);
        QWidget panel;
        QLabel* label = wrappedLabel(&panel, QStringLiteral("asked"), QString());
        label->setText(QStringLiteral("Langkah 3 dari 30: simpul 3 sebagai perantara"));
        const auto sameAsNew = [&] {
            QLabel* fresh = wrappedLabel(&panel, QStringLiteral("fresh"), QString());
            fresh->setText(label->text());
            fresh->setFont(label->font());
            fresh->setContentsMargins(label->contentsMargins());
            for (const int width : {40, 120, 400, 40})
                QCOMPARE(label->heightForWidth(width), fresh->heightForWidth(width));
            delete fresh;
        };
        sameAsNew();
        if (change == "text")
            label->setText(label->text() + QStringLiteral(", d[1][5] = min(∞, 7 + 4) = 11, ") +
                           label->text());
        if (change == "font") {
            QFont larger = label->font();
            larger.setPointSizeF(larger.pointSizeF() * 2);
            label->setFont(larger);
        }
        if (change == "margins")
            label->setContentsMargins(30, 0, 30, 0);
        sameAsNew();
    }

    void gridShowsEveryStep_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<QList<int>>("steps"); // shown one after the other, from 0
        QTest::newRow("Floyd: on to the last, back, jumps")
            << true << QList<int>{1, 2, 3, 30, 29, 0, 15, 3};
        QTest::newRow("Dijkstra: on, to the last and back") << false << QList<int>{1, 2, 29, 0, 4};
    }

    // Whatever step went before, the grid and the code show the step shown, and only it: texts,
    // marks, tool tips and descriptions, marked and bold code lines.
    void gridShowsEveryStep()
    {
        QFETCH(bool, floyd);
        QFETCH(QList<int>, steps);
        QMdiArea area;
        auto* window = new GridWindow(townOfThirty(), floyd);
        area.addSubWindow(window);
        LessonDock dock;
        dock.follow(window->stepMode());
        StepMode* mode = window->stepMode();
        mode->enter();
        auto* grid = dock.findChild<QTableWidget*>("lessonGrid");
        auto* code = dock.findChild<QListWidget*>("lessonCode");
        for (const int step : QList<int>{0} + steps) {
            mode->showStep(step);
            const StepFrame& frame = *mode->currentFrame();
            QCOMPARE(grid->rowCount(), frame.grid.rows.size());
            for (int r = 0; r < grid->rowCount(); ++r)
                for (int c = 0; c < grid->columnCount(); ++c) {
                    const QTableWidgetItem* item = grid->item(r, c);
                    const QString& note = frame.grid.notes[size_t(r)][c];
                    QCOMPARE(item->text(), frame.grid.cells[size_t(r)][c]);
                    QCOMPARE(item->toolTip(), note);
                    QCOMPARE(item->data(Qt::AccessibleDescriptionRole).toString(), note);
                    QCOMPARE(item->data(Qt::BackgroundRole).isValid(), !note.isEmpty());
                }
            for (int n = 0; n < code->count(); ++n) {
                const bool marked =
                    std::count(frame.codeLines.begin(), frame.codeLines.end(), n + 1) > 0;
                QCOMPARE(code->item(n)->isSelected(), marked);
                QCOMPARE(code->item(n)->font().bold(), marked);
                QCOMPARE(code->item(n)->text().startsWith(QStringLiteral("▶")), marked);
            }
        }
    }

    void preferredWidthIsTheLessonsOwn_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::newRow("Floyd") << true;
        QTest::newRow("Dijkstra") << false;
    }

    // The width the panel asks for when it first opens is that of the lesson shown, whatever
    // lesson (or none) the panel showed before.
    void preferredWidthIsTheLessonsOwn()
    {
        QFETCH(bool, floyd);
        QMdiArea area;
        auto* thirty = new GridWindow(townOfThirty(), floyd);
        auto* small = new GridWindow(withNegativesAndUnreached(), true);
        area.addSubWindow(thirty);
        area.addSubWindow(small);
        LessonDock dock;
        dock.resize(300, 600);
        dock.follow(thirty->stepMode());
        thirty->stepMode()->enter();
        const int first = dock.preferredWidth();
        dock.follow(small->stepMode());
        small->stepMode()->enter();
        dock.follow(thirty->stepMode());
        thirty->stepMode()->enter();
        QCOMPARE(first, dock.preferredWidth());
        // Thirty columns, each as wide as a number, are wider than the code.
        auto* grid = dock.findChild<QTableWidget*>("lessonGrid");
        QVERIFY(first > 30 * grid->horizontalHeader()->minimumSectionSize());
    }
};

QTEST_MAIN(TestLessonGrid)
#include "tst_lessongrid.moc"
