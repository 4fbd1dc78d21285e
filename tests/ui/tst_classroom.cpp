#include "core/exercisecode.h"
#include "core/floyd.h"
#include "core/floydcsv.h"
#include "core/numbertext.h"
#include "core/routes.h"
#include "core/steps.h"
#include "core/weightstext.h"
#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/drawing/networkview.h"
#include "ui/exercise/exercise.h"
#include "ui/export/classroomactions.h"
#include "ui/export/pictureexport.h"
#include "ui/floyd/floydwindow.h"
#include "ui/help/helpwindow.h"
#include "ui/main/mainwindow.h"
#include "ui/stepping/stepmode.h"
#include "ui/support/programfonts.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QXmlStreamReader>
#include <QtTest>

using namespace trayeko::ui;

Q_DECLARE_METATYPE(trayeko::LinkWeights)

namespace {

// The whole program with fixed sources; every file and message goes through the seams.
struct Program
{
    MainWindow frame{FrameSources{[] { return QDateTime(QDate(2003, 9, 2), QTime(8, 0)); },
                                  [] { return std::optional<bool>(); }}};
    QStringList proposed; // what each file dialog proposed
    QStringList messages; // what each message box said
    QString answer;       // the file name the dialogs answer
    QString filter;       // and the filter they report chosen

    Program() { frame.show(); }

    QMdiSubWindow* open(const QString& entry)
    {
        frame.findChild<QAction*>(entry)->trigger();
        QMdiSubWindow* window = frame.mdiArea()->activeSubWindow();
        auto* actions = window->findChild<ClassroomActions*>();
        actions->setSeams(
            {[this](QWidget*, const QString&, const QString& name, const QString&,
                    QString* chosen) {
                 proposed << name;
                 *chosen = filter;
                 return answer;
             },
             [this](QWidget*, const QString&, const QString& text) { messages << text; }, nullptr});
        return window;
    }
    ClassroomActions* actions(QMdiSubWindow* window) const
    {
        return window->findChild<ClassroomActions*>();
    }
    void press(QWidget* target, QKeySequence keys)
    {
        QApplication::setActiveWindow(&frame);
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        target->setFocus();
        QTest::keyClick(target, Qt::Key(keys[0].key()), keys[0].keyboardModifiers());
    }
};

QImage grab(QMdiSubWindow* window)
{
    return window->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What a picture of the window must show: the window as it looks; or, @p dark, the Dijkstra
// window after a run with its total lit, while the window is left in the dark half of the blink.
QImage handout(QMdiSubWindow* window, bool dark)
{
    if (dark) {
        window->findChild<QPushButton*>("Command1")->click();
        qobject_cast<DijkstraWindow*>(window)->blink();
    }
    const QImage shown = grab(window);
    if (dark)
        qobject_cast<DijkstraWindow*>(window)->blink();
    return shown;
}

// The part of a picture that shows the window; a caption may follow under it.
QImage windowPart(const QImage& picture, const QImage& shown)
{
    return picture.convertToFormat(QImage::Format_RGB32).copy(QRect(QPoint(), shown.size()));
}

// A text of an SVG with where it starts on the page (its group's translation and scale applied)
// and the size of its font.
struct SvgText
{
    QString text;
    QPointF at;
    qreal pixelSize;
    QString family;
    bool bold;

    // Where it ends, measured in its own font.
    qreal right(qreal scale = 1) const
    {
        QFont font(family);
        font.setPixelSize(qRound(pixelSize));
        font.setBold(bold);
        return at.x() + QFontMetricsF(font).horizontalAdvance(text) * scale;
    }
};

QList<SvgText> svgTexts(const QByteArray& svg)
{
    QList<SvgText> texts;
    QList<QTransform> groups{QTransform()};
    static const QRegularExpression matrix(QStringLiteral("matrix\\(([^)]*)\\)"));
    for (QXmlStreamReader xml(svg); !xml.atEnd();) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && xml.name() == u"g") {
            QTransform t = groups.last();
            if (const auto m = matrix.match(xml.attributes().value("transform").toString());
                m.hasMatch()) {
                const QStringList v = m.captured(1).split(u',');
                t = QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble(),
                               v[4].toDouble(), v[5].toDouble());
            }
            groups.append(t);
        } else if (token == QXmlStreamReader::EndElement && xml.name() == u"g") {
            groups.removeLast();
        } else if (token == QXmlStreamReader::StartElement && xml.name() == u"text") {
            const auto a = xml.attributes();
            const QPointF at =
                groups.last().map(QPointF(a.value("x").toDouble(), a.value("y").toDouble()));
            const qreal size = a.value("font-size").toDouble() * groups.last().m11();
            const QString family = a.value("font-family").toString();
            const bool bold = a.value("font-weight").toInt() > 500;
            texts.append({xml.readElementText(QXmlStreamReader::IncludeChildElements), at, size,
                          family, bold});
        }
    }
    return texts;
}

int pdfPages(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(pdf).count(page));
}

} // namespace

class TestClassroom final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings(QStringLiteral("Trayeko"), QStringLiteral("Trayeko")).clear(); }

    // The context menu offers the three picture actions; Ctrl+Shift+C anywhere in the window puts
    // the client area, as it looks, on the clipboard.
    void copyPicture_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("menuTarget");
        QTest::addColumn<QStringList>("steps"); // what follows the picture entries
        QTest::addColumn<bool>("dark");         // taken after a run, the total blinked dark
        const QStringList steps{"-", "Langkah demi langkah F10"};
        const QStringList drawing = steps + QStringList{"-",
                                                        "Latihan F9",
                                                        "Soal baru Ctrl+Shift+N",
                                                        "Buka soal... Ctrl+Shift+O",
                                                        "Bobot awal Ctrl+Shift+B",
                                                        "-",
                                                        "Tampilan proyektor F11"};
        QTest::newRow("Dijkstra") << "mnudijktra"
                                  << "Frame1" << drawing << false;
        QTest::newRow("Dijkstra, total dark")
            << QString("mnudijktra") << "Frame1" << drawing << true;
        QTest::newRow("Floyd") << "mnufloyd"
                               << "Frame1" << drawing << false;
        QTest::newRow("Floyd listing") << "mnufloyd"
                                       << "List1" << steps << false;
        QTest::newRow("Compare") << "mnucompare"
                                 << "client"
                                 << QStringList{"-", "Lihat jaringan Ctrl+J",
                                                "Grafik waktu... Ctrl+G"}
                                 << false;
    }
    void copyPicture()
    {
        QFETCH(QString, entry);
        QFETCH(QString, menuTarget);
        QFETCH(QStringList, steps);
        QFETCH(bool, dark);
        Program program;
        QMdiSubWindow* window = program.open(entry);
        auto* target = window->findChild<QWidget*>(menuTarget);
        QCOMPARE(target->contextMenuPolicy(), Qt::ActionsContextMenu);
        // The same order in every window: what the menu is opened on, then step mode.
        QStringList texts;
        for (const QAction* action : target->actions())
            texts << (action->isSeparator() ? "-"
                                            : action->text() + u' ' + action->shortcut().toString())
                         .trimmed();
        const QStringList own =
            target->inherits("QListWidget")
                ? QStringList{"Salin teks", "Simpan CSV..."}
                : QStringList{"Salin gambar Ctrl+Shift+C", "Simpan gambar... Ctrl+Shift+S",
                              "Cetak... Ctrl+P"};
        QCOMPARE(texts, own + steps);
        if (target->inherits("QListWidget"))
            return;

        QApplication::clipboard()->clear();
        const QImage shown = handout(window, dark);
        program.press(window->widget()->findChild<QPushButton*>(), QKeySequence("Ctrl+Shift+C"));
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(windowPart(copied, shown), shown);
        // A network window's picture names its weights in a caption under it.
        QCOMPARE(copied.height() > shown.height(), entry != u"mnucompare");
        QCOMPARE(grab(window) != shown, dark); // the screen still blinks
    }

    // Each window as PNG (the grab's pixels), SVG (parses, its texts are text) and PDF (one
    // page); a name without suffix takes the chosen filter's; the next dialog starts in the
    // same folder. A save that cannot be done says why and leaves no file behind; a cancelled
    // one does nothing at all.
    void savePicture_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected"); // a text in the picture, or the failure's reason
        QTest::addColumn<bool>("dark");        // saved after a run, the total blinked dark
        const QStringList windows{"mnudijktra", "mnufloyd", "mnucompare"};
        const QStringList shown{"7", "Pencarian Jalur", "Floyd"};
        for (const char* format : {"PNG (*.png)", "SVG (*.svg)", "PDF (*.pdf)"})
            for (int w = 0; w < 3; ++w)
                QTest::addRow("%s %s", qPrintable(windows[w]), format)
                    << windows[w] << (w == 1 ? "g.x" : "gambar") << format << shown[w] << false;
        QTest::newRow("PNG, total dark") << windows[0] << QString("gambar") << "PNG (*.png)"
                                         << "" << true;
        QTest::newRow("missing folder") << "mnudijktra"
                                        << "nicht/da.png"
                                        << ""
                                        << "tidak dapat dibuat" << false;
        QTest::newRow("name too long") << "mnufloyd" << QString(300, u'n') + ".pdf"
                                       << ""
                                       << "tidak menerima nama" << false;
        QTest::newRow("cancelled") << "mnucompare"
                                   << ""
                                   << ""
                                   << "" << false;
    }
    void savePicture()
    {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QFETCH(bool, dark);
        QTemporaryDir dir;
        Program program;
        QMdiSubWindow* window = program.open(entry);
        const QImage shown = handout(window, dark);
        program.answer = name.isEmpty() ? name : dir.filePath(name);
        program.filter = filter;
        program.press(window->widget()->findChild<QPushButton*>(), QKeySequence("Ctrl+Shift+S"));
        if (filter.isEmpty()) {
            QCOMPARE(program.messages.size(), name.isEmpty() ? 0 : 1);
            if (!name.isEmpty())
                QVERIFY2(program.messages[0].contains(expected), qPrintable(program.messages[0]));
            QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), {});
            return;
        }
        const QString suffix = filter.mid(filter.indexOf(u'.') + 1).chopped(1);
        QFile file(program.answer + u'.' + suffix);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray data = file.readAll();
        QVERIFY(program.messages.isEmpty());
        if (suffix == u"png") {
            QImage expected = shown;
            const QImage saved = QImage::fromData(data);
            QCOMPARE(saved.dotsPerMeterX(), qRound(96 * expected.devicePixelRatio() / 0.0254));
            expected.setDevicePixelRatio(1);
            QCOMPARE(windowPart(saved, expected), expected);
            QCOMPARE(saved.text("Description").startsWith("Bobot"), entry != u"mnucompare");
        } else if (suffix == u"svg") {
            QSvgRenderer svg(data);
            QVERIFY(svg.isValid());
            QCOMPARE(svg.viewBox().width(), window->widget()->width());
            QCOMPARE(svg.viewBox().height() > window->widget()->height(), entry != u"mnucompare");
            QStringList texts;
            for (QXmlStreamReader xml(data); !xml.atEnd();)
                if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text")
                    texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            QVERIFY2(texts.contains(expected), qPrintable(texts.join(u'|')));
        } else {
            QVERIFY(data.startsWith("%PDF-1."));
            QCOMPARE(pdfPages(data), 1);
        }
        program.answer.clear();
        program.actions(window)->savePictureAction()->trigger();
        QCOMPARE(QFileInfo(program.proposed.last()).absolutePath(), dir.path());
    }

    // Printing: the picture on one page; after a Floyd run the listings may follow on pages of
    // their own. How many pages the listings take follows from the fonts installed, so that row
    // (pages 0) asks only that each listing has at least a page of its own.
    void print_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("run");
        QTest::addColumn<bool>("withListings");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<int>("pages");
        QTest::addRow("Dijkstra") << "mnudijktra" << true << true << false << 1;
        QTest::addRow("Floyd before a run") << "mnufloyd" << false << true << false << 1;
        QTest::addRow("Floyd picture only") << "mnufloyd" << true << false << true << 1;
        QTest::addRow("Floyd with listings") << "mnufloyd" << true << true << true << 0;
        QTest::addRow("Compare") << "mnucompare" << false << true << false << 1;
    }
    void print()
    {
        QFETCH(QString, entry);
        QFETCH(bool, run);
        QFETCH(bool, withListings);
        QFETCH(bool, offered);
        QFETCH(int, pages);
        QTemporaryDir dir;
        Program program;
        QMdiSubWindow* window = program.open(entry);
        if (run && entry != u"mnucompare")
            window->findChild<QPushButton*>("Command1")->click();
        std::optional<bool> offers;
        int printed = 0;
        ClassroomSeams seams;
        seams.printPreview = [&](QWidget*, const PrintRequest& request) {
            offers = request.offersListings;
            // Pages start in landscape for a picture wider than tall; only Compare's is tall.
            QCOMPARE(request.orientation == QPageLayout::Landscape, entry != u"mnucompare");
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(request.orientation);
            printer.setOutputFileName(dir.filePath("cetak.pdf"));
            printed = request.print(printer, withListings && offered);
        };
        program.actions(window)->setSeams(seams);
        program.press(window->widget()->findChild<QPushButton*>(), QKeySequence("Ctrl+P"));
        QCOMPARE(offers, std::optional<bool>(offered));
        QFile file(dir.filePath("cetak.pdf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(pdfPages(file.readAll()), printed);
        if (pages > 0)
            QCOMPARE(printed, pages);
        else
            QVERIFY2(printed >= 3, qPrintable(QString::number(printed)));
    }

    // An SVG shows what the screen shows although its generator ignores every clip and font
    // stretch: long weights, narrowed totals and scrolled texts stay in their boxes, and the
    // step marks stay under the weight boxes.
    void svgKeepsToTheBoxes()
    {
        QTemporaryDir dir;
        Program program;
        QMdiSubWindow* window = program.open("mnudijktra");
        window->findChild<QLineEdit*>("j10")->setText("0.123456789012345"); // a narrowed total
        window->findChild<QPushButton*>("Command1")->click();
        window->findChild<QLineEdit*>("j14")->setText("1234.5678"); // link 6 → 7
        window->findChild<StepMode*>()->enter(); // step 1 marks the links leaving node 1
        program.answer = dir.filePath("langkah");
        program.filter = "SVG (*.svg)";
        program.press(window->findChild<StepMode*>()->focusHolder(), QKeySequence("Ctrl+Shift+S"));
        QFile file(program.answer + ".svg");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QVERIFY(!data.contains("1234.5678"));
        // The caption under the window makes the picture taller; the window keeps its scale.
        QSvgRenderer renderer(data);
        QImage image(renderer.viewBox().size(), QImage::Format_RGB32);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        // A narrowed total looks as on the screen; the explanation, in the lesson panel, is not
        // part of the picture.
        auto* total = window->findChild<QLabel*>("lbljmljarak");
        const QRect place(total->mapTo(window->widget(), QPoint()), total->size());
        QCOMPARE(image.copy(place), grab(window).copy(place));
        QVERIFY(!data.contains("ditetapkan"));
        for (int k = 1; k <= trayeko::kLinkCount; ++k) {
            const auto* b = window->findChild<QLineEdit*>(QStringLiteral("j%1").arg(k));
            const QRect inside =
                QRect(b->mapTo(window->widget(), QPoint()), b->size()).adjusted(2, 2, -2, -2);
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x)
                    QVERIFY2(image.pixelColor(x, y) != StepMarks::improvedColour(),
                             qPrintable(b->objectName()));
        }
    }

    // Printed listings stay whole: a line that would run past the page's edge takes a smaller
    // font instead; on A4 the default lesson keeps at least 9 points, and its nine rows with
    // changed cells are printed with those cells in their colour, as the screen marks them.
    void printedListingsFitThePage()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const qreal width = printer.pageLayout().paintRectPixels(printer.resolution()).width();
        for (const double weight : {0.0, 0.123456789012345, 1.7976931348623157E308}) {
            trayeko::LinkWeights weights = trayeko::defaultWeights();
            if (weight != 0)
                weights.fill(weight);
            const auto marks = trayeko::floydListingMarks(trayeko::floydChanges(weights));
            PrintListing page{
                "Matriks Nilai", "1     2     3     4     5     6     7", {}, marks.valueLines};
            for (const std::string& line : trayeko::listFloydMatrices(weights).valueLines)
                page.lines << QString::fromStdString(line);
            const QFont font = printedListingFont({page}, width, &printer);
            QCOMPARE(font.pointSizeF() >= 9, weight == 0);
            for (const QString& line : page.lines)
                QVERIFY2(QFontMetricsF(font, &printer).horizontalAdvance(line) <= width,
                         qPrintable(line));
            if (weight != 0)
                continue;
            QImage image(794, 1500, QImage::Format_RGB32); // A4's width at 96 dpi
            image.fill(Qt::white);
            QPainter painter(&image);
            paintListingPage(painter, image.rect(), page, 0, page.lines.size(), font,
                             page.lines.size(), 0);
            painter.end();
            QString rows; // for each row of pixels, whether a changed cell's colour is in it
            for (int y = 0; y < image.height(); ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                rows += std::count(row, row + image.width(), changedCellColour().rgb()) ? '#' : '.';
            }
            QCOMPARE(rows.split('.', Qt::SkipEmptyParts).size(), 9);
        }
    }

    // The listings' context menu: the text as shown, and the CSV of the run in the user's region.
    void listings_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("decimal");
        QTest::addRow("decimal point") << "en_US"
                                       << ".";
        QTest::addRow("decimal comma") << "id_ID"
                                       << ",";
    }
    void listings()
    {
        QFETCH(QString, locale);
        QFETCH(QString, decimal);
        QLocale::setDefault(QLocale(locale));
        QTemporaryDir dir;
        Program program;
        QMdiSubWindow* window = program.open("mnufloyd");
        window->findChild<QLineEdit*>("j1")->setText("2" + decimal + "5");
        window->findChild<QPushButton*>("Command1")->click();
        auto* list = window->findChild<QListWidget*>("List2");
        // Other features add their own entries to the listing's menu; find these two by text.
        const auto action = [list](const QString& text) {
            for (QAction* a : list->actions())
                if (a->text() == text)
                    return a;
            return static_cast<QAction*>(nullptr);
        };
        QVERIFY(action("Salin teks") && action("Simpan CSV..."));

        trayeko::LinkWeights weights = trayeko::defaultWeights();
        weights[0] = 2.5;
        action("Salin teks")->trigger();
        const QStringList copied = QApplication::clipboard()->text().split(u'\n');
        QCOMPARE(copied.size(), 2 + list->count() + 1);
        QCOMPARE(copied[0],
                 QString::fromStdString(trayeko::weightsHeading(weights, decimal.toStdString())));
        QCOMPARE(copied[1], window->findChild<QLabel*>("Label29")->text());
        QCOMPARE(copied[list->count() + 1], list->item(list->count() - 1)->text());

        program.answer = dir.filePath("matriks");
        action("Simpan CSV...")->trigger();
        QFile file(program.answer + ".csv");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), trayeko::floydCsv(weights, decimal.toStdString()));
        QVERIFY(program.messages.isEmpty());
        QLocale::setDefault(QLocale::c());
    }

    // The listings' text and CSV hold the matrices of the last run. Where the boxes hold other
    // weights since (a code opened, a weight typed), they are refused with the advice to run
    // again, and nothing is written or copied; the same weights put back, or a new run, export
    // again, named by the weights they were worked out from.
    void listingsOfOtherWeights_data()
    {
        QTest::addColumn<QString>("change");    // after the run on the default weights
        QTest::addColumn<QString>("refusal");   // what the refusal asks for; empty: exported
        QTest::addColumn<QString>("weightsOf"); // whose weights the exports name
        const QString run = "Tekan \"Proses...\" dulu";
        QTest::addRow("nothing changed") << ""
                                         << ""
                                         << "default";
        QTest::addRow("code opened, exercise left") << "code, exercise, leave" << run << "";
        QTest::addRow("weight typed") << "typed" << run << "";
        QTest::addRow("code opened, then run") << "code, exercise, leave, run"
                                               << ""
                                               << "code";
        QTest::addRow("defaults put back") << "typed, defaults"
                                           << ""
                                           << "default";
        // The answers of an exercise on the very weights of the run stay hidden in files too.
        QTest::addRow("during an exercise") << "exercise"
                                            << "Tekan Esc"
                                            << "";
        QTest::addRow("during an exercise on a code") << "code, exercise"
                                                      << "Tekan Esc"
                                                      << "";
    }
    void listingsOfOtherWeights()
    {
        QFETCH(QString, change);
        QFETCH(QString, refusal);
        QFETCH(QString, weightsOf);
        QTemporaryDir dir;
        Program program;
        QMdiSubWindow* window = program.open("mnufloyd");
        auto* floyd = qobject_cast<FloydWindow*>(window);
        ExerciseSeams seams;
        seams.messageBox = [&](QWidget*, const QString&, const QString& text) {
            program.messages << text;
        };
        seams.textInput = [](QWidget*, const QString&, const QString&) {
            return std::optional<QString>("4821-7");
        };
        floyd->exercise()->setSeams(seams);
        window->findChild<QPushButton*>("Command1")->click();
        if (change.contains("code"))
            floyd->findChild<QAction*>("exerciseOpenAction")->trigger();
        if (change.contains("exercise") && !floyd->exercise()->isActive())
            floyd->findChild<QAction*>("exerciseAction")->trigger();
        if (change.contains("leave"))
            floyd->exercise()->leave();
        if (change.contains("typed"))
            window->findChild<QLineEdit*>("j3")->setText("12");
        if (change.contains("defaults"))
            floyd->findChild<QAction*>("defaultWeightsAction")->trigger();
        if (change.contains("run"))
            window->findChild<QPushButton*>("Command1")->click();
        program.messages.clear();

        auto* actions = program.actions(window);
        // While the result is out of sight, a picture shows only the weights in the boxes.
        if (floyd->exercise()->isActive())
            QCOMPARE(actions->pictureCaption(), QString::fromStdString(trayeko::weightsHeading(
                                                    floyd->network()->weights(), ".")));
        QApplication::clipboard()->setText("kosong");
        actions->copyListing(0);
        program.answer = dir.filePath("matriks");
        actions->saveCsvAction()->trigger();
        QFile file(program.answer + ".csv");
        if (!refusal.isEmpty()) {
            QCOMPARE(program.messages.size(), 2);
            for (const QString& message : program.messages)
                QVERIFY2(message.contains(refusal), qPrintable(message));
            QCOMPARE(QApplication::clipboard()->text(), "kosong");
            QVERIFY(!file.exists());
            return;
        }
        QVERIFY(program.messages.isEmpty());
        const trayeko::LinkWeights weights =
            weightsOf == u"code" ? trayeko::exerciseWeights(4821) : trayeko::defaultWeights();
        QCOMPARE(floyd->runWeights(), std::optional(weights));
        QVERIFY(QApplication::clipboard()->text().startsWith(
            QString::fromStdString(trayeko::weightsHeading(weights, "."))));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), trayeko::floydCsv(weights, "."));
    }

    // Every picture of a network window names under it the weights of the numbers it shows (the
    // PNG also in its description); where the boxes were changed since the run, it says so and
    // names the run's weights. The lesson panel's table of the Dijkstra steps names its weights
    // in its text and CSV.
    void picturesNameTheirWeights_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("run");
        QTest::addColumn<bool>("edited"); // link 1 set to 2.5 after the run, or before
        QTest::addColumn<QString>("format");
        for (const char* entry : {"mnudijktra", "mnufloyd"})
            for (const char* format : {"png", "svg", "pdf"}) {
                QTest::addRow("%s %s, run", entry, format) << entry << true << false << format;
                QTest::addRow("%s %s, edited after the run", entry, format)
                    << entry << true << true << format;
            }
        QTest::addRow("before any run") << "mnudijktra" << false << true << "png";
    }
    void picturesNameTheirWeights()
    {
        QFETCH(QString, entry);
        QFETCH(bool, run);
        QFETCH(bool, edited);
        QFETCH(QString, format);
        QTemporaryDir dir;
        Program program;
        QMdiSubWindow* window = program.open(entry);
        if (run)
            window->findChild<QPushButton*>("Command1")->click();
        if (edited)
            window->findChild<QLineEdit*>("j1")->setText("2.5");
        trayeko::LinkWeights shown = trayeko::defaultWeights();
        if (edited && !run)
            shown[0] = 2.5;
        const QString list = QString::fromStdString(trayeko::weightsList(shown, "."));
        const QString caption =
            edited && run ? "Bobot di kotak sudah berubah sejak \"Proses...\" terakhir; hasil di "
                            "gambar ini dihitung dengan bobot " +
                                list
                          : "Bobot: " + list;
        QCOMPARE(program.actions(window)->pictureCaption(), caption);

        program.answer = dir.filePath("gambar." + format);
        program.actions(window)->savePictureAction()->trigger();
        QFile file(program.answer);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        if (format == u"png") {
            QCOMPARE(QImage::fromData(data).text("Description"), caption);
        } else if (format == u"svg") {
            QString texts;
            for (const SvgText& text : svgTexts(data))
                texts += text.text + u'\n';
            // Wrapped between its items, never inside one.
            QVERIFY2(texts.contains(QString("1→2 = 7;").replace(' ', QChar(0xa0))),
                     qPrintable(texts));
            QVERIFY(texts.contains("sudah berubah") == (edited && run));
        } else {
            QVERIFY(data.startsWith("%PDF-1."));
            QCOMPARE(pdfPages(data), 1);
        }

        if (entry != u"mnudijktra" || edited)
            return;
        auto* steps = window->findChild<StepMode*>();
        steps->enter();
        const QString heading = QString::fromStdString(trayeko::weightsHeading(shown, "."));
        QVERIFY(steps->lesson().tableText.startsWith(heading + u'\n'));
        QVERIFY(QString::fromStdString(steps->lesson().tableCsv).startsWith("Jalur,1→2,"));
    }

    // A picture of the Dijkstra window with its detail panel open shows every line of the table
    // whole, with its "= total", inside the table, though the screen cuts the longer ones; and the
    // headers L1 ... L7 each over its own box, inside the header.
    void detailTableWholeInPicture_data()
    {
        QTest::addColumn<trayeko::LinkWeights>("weights");
        QTest::addRow("default weights") << trayeko::defaultWeights();
        QTest::addRow("code 4821-7") << trayeko::exerciseWeights(4821);
        trayeko::LinkWeights fractions = trayeko::defaultWeights();
        fractions.fill(1234.5);
        QTest::addRow("long weights") << fractions;
    }
    void detailTableWholeInPicture()
    {
        QFETCH(trayeko::LinkWeights, weights);
        QTemporaryDir dir;
        Program program;
        QMdiSubWindow* window = program.open("mnudijktra");
        auto* dijkstra = qobject_cast<DijkstraWindow*>(window);
        dijkstra->fillWeights(weights);
        window->findChild<QPushButton*>("Command1")->click();
        dijkstra->toggleDetail();
        program.answer = dir.filePath("detail.svg");
        program.actions(window)->savePictureAction()->trigger();
        QFile file(program.answer);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<SvgText> texts = svgTexts(file.readAll());

        QWidget* client = window->widget();
        auto* table = client->findChild<QPlainTextEdit*>("Tabeldata");
        const QRectF inside =
            QRectF(table->contentsRect().translated(table->mapTo(client, QPoint())));
        QMap<int, QList<SvgText>> lines; // by baseline
        for (const SvgText& text : texts)
            if (inside.contains(text.at))
                lines[qRound(text.at.y() * 4)].append(text);
        QStringList shown;
        for (QList<SvgText>& line : lines) {
            std::sort(line.begin(), line.end(),
                      [](const SvgText& a, const SvgText& b) { return a.at.x() < b.at.x(); });
            QStringList words;
            for (const SvgText& text : line) {
                words << text.text;
                QVERIFY2(text.right() <= inside.right() + 0.5, qPrintable(text.text));
            }
            shown << words.join(u' ');
        }
        QStringList expected;
        for (const QString& line : table->toPlainText().split(u'\n', Qt::SkipEmptyParts))
            expected << line.split(u' ', Qt::SkipEmptyParts).join(u' ');
        QCOMPARE(expected.size(), trayeko::kRouteCount);
        QCOMPARE(shown, expected);

        auto* header = client->findChild<QLabel*>("Label31");
        const QRectF headerPlace(header->mapTo(client, QPoint()), header->size());
        for (int n = 1; n <= trayeko::kNodeCount; ++n) {
            const auto found = std::find_if(texts.begin(), texts.end(), [n](const SvgText& t) {
                return t.text == QStringLiteral("L%1").arg(n);
            });
            QVERIFY(found != texts.end());
            auto* box = client->findChild<QLineEdit*>(QStringLiteral("txtplt%1").arg(n));
            const QRectF boxPlace(box->mapTo(client, QPoint()), box->size());
            const qreal centre = (found->at.x() + found->right()) / 2;
            QVERIFY2(qAbs(centre - boxPlace.center().x()) <= 1, qPrintable(found->text));
            QVERIFY(found->at.x() >= headerPlace.left() && found->right() <= headerPlace.right());
        }
    }

    // Printed Floyd matrices are grids: every value stands in the column of its node number, the
    // changed cells in bold, whatever the widths of the values.
    void printedMatricesAreGrids_data()
    {
        QTest::addColumn<trayeko::LinkWeights>("weights");
        QTest::addRow("default weights") << trayeko::defaultWeights();
        QTest::addRow("code 4821-7") << trayeko::exerciseWeights(4821);
        trayeko::LinkWeights mixed = trayeko::defaultWeights();
        mixed[0] = 0.125;
        mixed[9] = 1234.75;
        QTest::addRow("mixed widths") << mixed;
    }
    void printedMatricesAreGrids()
    {
        QFETCH(trayeko::LinkWeights, weights);
        const auto listing = trayeko::listFloydMatrices(weights);
        const auto marks = trayeko::floydListingMarks(trayeko::floydChanges(weights));
        PrintListing page{"Matriks Nilai", "", {}, marks.valueLines, trayeko::valueHeaderLine(1)};
        page.matrices = true;
        for (const std::string& line : listing.valueLines)
            page.lines << QString::fromStdString(line);
        const std::vector<PrintedMatrix> matrices = listingMatrices(page);
        QCOMPARE(matrices.size(), size_t(trayeko::kNodeCount + 1));
        for (const PrintedMatrix& matrix : matrices) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            svg.setResolution(96);
            const QFont font = trayeko::ui::listingFontInPoints(10);
            QPainter painter(&svg);
            const QSizeF cell = matrixCellSize(matrices, font, &svg);
            paintMatrix(painter, QPointF(10, 10), matrix, font, cell);
            painter.end();
            QList<SvgText> texts = svgTexts(buffer.data());
            QCOMPARE(texts.takeFirst().text, matrix.title);
            // The column numbers, the row numbers, then each row's cells.
            const auto centre = [](const SvgText& t) { return (t.at.x() + t.right()) / 2; };
            QList<qreal> columns;
            for (int c = 1; c <= trayeko::kNodeCount; ++c)
                columns << centre(texts.takeFirst());
            for (size_t r = 0; r < matrix.rows.size(); ++r)
                QCOMPARE(texts.takeFirst().text, QString::number(r + 1));
            int bold = 0, marked = 0;
            for (size_t r = 0; r < matrix.rows.size(); ++r) {
                marked += int(matrix.marked[r].size());
                for (qsizetype c = 0; c < matrix.rows[r].size(); ++c) {
                    const SvgText value = texts.takeFirst();
                    QCOMPARE(value.text, matrix.rows[r][c]);
                    QVERIFY2(qAbs(centre(value) - columns[c]) <= 1, qPrintable(value.text));
                    QVERIFY(value.right() - value.at.x() < cell.width());
                    bold += value.bold;
                }
            }
            QCOMPARE(bold, marked);
        }
    }

    // F1 opens the help window from every window, the help window included; it shows the
    // guide built into the program and, one click away, the English one.
    void help_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addRow("main window") << "";
        QTest::addRow("Dijkstra") << "mnudijktra";
        QTest::addRow("Floyd") << "mnufloyd";
        QTest::addRow("Compare") << "mnucompare";
    }
    void help()
    {
        QFETCH(QString, entry);
        Program program;
        QWidget* target = program.frame.mdiArea();
        if (!entry.isEmpty())
            target = program.open(entry)->widget()->findChild<QPushButton*>();
        program.press(target, QKeySequence(Qt::Key_F1));
        auto* help = program.frame.findChild<HelpWindow*>();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), "Bantuan Trayeko");
        QVERIFY(help->guide()->toPlainText().startsWith("Memakai Trayeko di kelas"));
        QCOMPARE(help->guide()->document()->firstBlock().blockFormat().headingLevel(), 1);
        QTest::keyClick(help->guide(), Qt::Key_F1);
        QCOMPARE(program.frame.findChildren<HelpWindow*>().size(), 1);
        help->showGuide(true);
        QVERIFY(help->guide()->toPlainText().startsWith("Using Trayeko in class"));
        const auto* about = help->findChild<QTextBrowser*>("txtTentang");
        QVERIFY(about->toPlainText().contains(QString::fromLatin1(qVersion())));
    }
};

QTEST_MAIN(TestClassroom)
#include "tst_classroom.moc"
