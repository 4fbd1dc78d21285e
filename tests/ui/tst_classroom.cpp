#include "core/floyd.h"
#include "core/floydcsv.h"
#include "ui/common/classroomactions.h"
#include "ui/common/pictureexport.h"
#include "ui/common/stepmode.h"
#include "ui/help/helpwindow.h"
#include "ui/main/mainwindow.h"

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
        const QStringList steps{"-", "Langkah demi langkah F10"};
        QTest::newRow("Dijkstra") << "mnudijktra"
                                  << "Frame1" << steps;
        QTest::newRow("Floyd") << "mnufloyd"
                               << "Frame1" << steps;
        QTest::newRow("Floyd listing") << "mnufloyd"
                                       << "List1" << steps;
        QTest::newRow("Compare") << "mnucompare"
                                 << "client"
                                 << QStringList{"-", "Lihat jaringan Ctrl+J",
                                                "Grafik waktu... Ctrl+G"};
    }
    void copyPicture()
    {
        QFETCH(QString, entry);
        QFETCH(QString, menuTarget);
        QFETCH(QStringList, steps);
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
        program.press(window->widget()->findChild<QPushButton*>(), QKeySequence("Ctrl+Shift+C"));
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
                 window->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32));
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
        const QStringList windows{"mnudijktra", "mnufloyd", "mnucompare"};
        const QStringList shown{"7", "Pencarian Jalur", "Floyd"};
        for (const char* format : {"PNG (*.png)", "SVG (*.svg)", "PDF (*.pdf)"})
            for (int w = 0; w < 3; ++w)
                QTest::addRow("%s %s", qPrintable(windows[w]), format)
                    << windows[w] << (w == 1 ? "g.x" : "gambar") << format << shown[w];
        QTest::newRow("missing folder") << "mnudijktra"
                                        << "nicht/da.png"
                                        << ""
                                        << "tidak dapat dibuat";
        QTest::newRow("name too long") << "mnufloyd" << QString(300, u'n') + ".pdf"
                                       << ""
                                       << "tidak menerima nama";
        QTest::newRow("cancelled") << "mnucompare"
                                   << ""
                                   << ""
                                   << "";
    }
    void savePicture()
    {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        Program program;
        QMdiSubWindow* window = program.open(entry);
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
            QImage grab = window->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage saved = QImage::fromData(data);
            QCOMPARE(saved.dotsPerMeterX(), qRound(96 * grab.devicePixelRatio() / 0.0254));
            grab.setDevicePixelRatio(1);
            QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), grab);
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
    // their own.
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
        QTest::addRow("Floyd with listings") << "mnufloyd" << true << true << true << 5;
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
        ClassroomSeams seams;
        seams.printPreview = [&](QWidget*, const PrintRequest& request) {
            offers = request.offersListings;
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setOutputFileName(dir.filePath("cetak.pdf"));
            QCOMPARE(request.print(printer, withListings && offered), pages);
        };
        program.actions(window)->setSeams(seams);
        program.press(window->widget()->findChild<QPushButton*>(), QKeySequence("Ctrl+P"));
        QCOMPARE(offers, std::optional<bool>(offered));
        QFile file(dir.filePath("cetak.pdf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(pdfPages(file.readAll()), pages);
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
        program.press(window->findChild<QWidget*>("stepPanel"), QKeySequence("Ctrl+Shift+S"));
        QFile file(program.answer + ".svg");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QVERIFY(!data.contains("1234.5678"));
        QImage image(window->widget()->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        QSvgRenderer(data).render(&painter);
        painter.end();
        // A narrowed total looks as on the screen; the scrolled explanation does not spill out
        // of its panel as free text.
        auto* total = window->findChild<QLabel*>("lbljmljarak");
        const QRect place(total->mapTo(window->widget(), QPoint()), total->size());
        QCOMPARE(
            image.copy(place),
            window->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(place));
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
    // font instead; the default lesson keeps 10 points.
    void printedListingsFitThePage()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const qreal width = printer.pageLayout().paintRectPixels(printer.resolution()).width();
        for (const double weight : {0.0, 0.123456789012345, 1.7976931348623157E308}) {
            trayeko::LinkWeights weights = trayeko::defaultWeights();
            if (weight != 0)
                weights.fill(weight);
            PrintListing page{"Matriks Nilai", "1     2     3     4     5     6     7", {}};
            for (const std::string& line : trayeko::listFloydMatrices(weights).valueLines)
                page.lines << QString::fromStdString(line);
            const QFont font = printedListingFont({page}, width, &printer);
            QCOMPARE(font.pointSizeF() < 10, weight != 0);
            for (const QString& line : page.lines)
                QVERIFY2(QFontMetricsF(font, &printer).horizontalAdvance(line) <= width,
                         qPrintable(line));
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
        window->findChild<QLineEdit*>("j1")->setText("2.5");
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
