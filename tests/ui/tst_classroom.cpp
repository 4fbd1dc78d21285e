#include "core/floyd.h"
#include "core/floydcsv.h"
#include "core/steps.h"
#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/export/classroomactions.h"
#include "ui/export/pictureexport.h"
#include "ui/help/helpwindow.h"
#include "ui/main/mainwindow.h"
#include "ui/stepping/stepmode.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QXmlStreamReader>
#include <QtTest>

using namespace trayeko::ui;

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
        const QStringList drawing =
            steps + QStringList{"-", "Latihan F9", "Soal baru Ctrl+Shift+N",
                                "Buka soal... Ctrl+Shift+O", "Bobot awal Ctrl+Shift+B", "-",
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
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), shown);
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
            QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), expected);
        } else if (suffix == u"svg") {
            QSvgRenderer svg(data);
            QVERIFY(svg.isValid());
            QCOMPARE(svg.viewBox().size(), window->widget()->size());
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
        program.press(window->findChild<QWidget*>("stepOverlay"), QKeySequence("Ctrl+Shift+S"));
        QFile file(program.answer + ".svg");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QVERIFY(!data.contains("1234.5678"));
        QImage image(window->widget()->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        QSvgRenderer(data).render(&painter);
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
                    QVERIFY2(image.pixelColor(x, y) != StepOverlay::improvedColour(),
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
        window->findChild<QLineEdit*>("j1")->setText("9"); // edited after the run: not exported
        auto* list = window->findChild<QListWidget*>("List2");
        // Other features add their own entries to the listing's menu; find these two by text.
        const auto action = [list](const QString& text) {
            for (QAction* a : list->actions())
                if (a->text() == text)
                    return a;
            return static_cast<QAction*>(nullptr);
        };
        QVERIFY(action("Salin teks") && action("Simpan CSV..."));

        action("Salin teks")->trigger();
        const QStringList copied = QApplication::clipboard()->text().split(u'\n');
        QCOMPARE(copied.size(), 1 + list->count() + 1);
        QCOMPARE(copied[0], window->findChild<QLabel*>("Label29")->text());
        QCOMPARE(copied[list->count()], list->item(list->count() - 1)->text());

        program.answer = dir.filePath("matriks");
        action("Simpan CSV...")->trigger();
        QFile file(program.answer + ".csv");
        QVERIFY(file.open(QIODevice::ReadOnly));
        trayeko::LinkWeights weights = trayeko::defaultWeights();
        weights[0] = 2.5;
        QCOMPARE(file.readAll().toStdString(), trayeko::floydCsv(weights, decimal.toStdString()));
        QLocale::setDefault(QLocale::c());
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
