#include "ui/exercise/exercise.h"

#include "core/allpairs.h"
#include "core/bellmanford.h"
#include "core/exercisecode.h"
#include "core/floyd.h"
#include "core/numbertext.h"
#include "core/steps.h"
#include "ui/drawing/drawingwidget.h"
#include "ui/export/pictureexport.h"
#include "ui/stepping/lessons.h"
#include "ui/support/contextmenu.h"
#include "ui/support/keyregistry.h"
#include "ui/support/utf8.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace trayeko::ui {

namespace {

// The part of a summary page's height the drawing may take at most.
constexpr qreal kDrawingShare = 0.45;

// The keys of an exercise in the window, for the actions and the help alike.
constexpr KeyRow kStartKey{Qt::Key_F9, nullptr,
                           "Latihan: menebak setiap langkah metode pada bobot di kotak, dinilai"};
constexpr KeyRow kNewKey{Qt::CTRL | Qt::SHIFT | Qt::Key_N, nullptr,
                         "Soal baru: bobot acak 1 sampai 20 dengan kode soalnya"};
constexpr KeyRow kOpenKey{Qt::CTRL | Qt::SHIFT | Qt::Key_O, nullptr,
                          "Buka soal...: bobot dari kode soal"};
constexpr KeyRow kDefaultsKey{Qt::CTRL | Qt::SHIFT | Qt::Key_B, nullptr,
                              "Bobot awal: 7, 6, 8, 1, 2, 4, 4, 4, 5, 16, 1, 15, 6, 8"};
constexpr KeyRow kLeaveKey{Qt::Key_Escape, nullptr,
                           "keluar dari latihan; jendela kembali seperti semula"};
constexpr KeyRow kKeys[] = {kStartKey, kNewKey, kOpenKey, kDefaultsKey, kLeaveKey};
const KeyListing kKeysListed(keyplace::kExercise, kExerciseSection, kKeys);

QAction* makeAction(QObject* parent, const char* objectName, const QString& text, const KeyRow& key,
                    const QString& toolTip)
{
    auto* action = new QAction(text, parent);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setShortcut(key.key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setToolTip(toolTip);
    return action;
}

} // namespace

bool saveSummary(ClassroomActions& classroom, const SummaryDocument& summary)
{
    ClassroomActions::FileRequest request;
    request.caption = QStringLiteral("Simpan ringkasan latihan");
    request.proposedName = summary.proposedName;
    request.filters = summary.pdfFirst ? QStringLiteral("PDF (*.pdf);;Teks (*.txt)")
                                       : QStringLiteral("Teks (*.txt);;PDF (*.pdf)");
    request.what = QStringLiteral("Ringkasan latihan");
    // Before any file was saved, a summary belongs with the documents rather than the pictures.
    request.firstFolder = QStandardPaths::DocumentsLocation;
    request.write = [&summary](QIODevice& device, const QString& suffix) {
        if (suffix != u"pdf") {
            const QByteArray bytes = summary.text.toUtf8();
            return device.write(bytes) == bytes.size();
        }
        QPdfWriter writer(&device);
        writer.setTitle(summary.title);
        writer.setCreator(QStringLiteral("Trayeko"));
        return paintSummaryPages(writer, summary.drawing, summary.text) > 0;
    };
    return classroom.saveFile(request);
}

void printSummary(ClassroomActions& classroom, const SummaryDocument& summary)
{
    PrintRequest request;
    request.title = summary.title;
    request.print = [text = summary.text, drawing = QPointer<QWidget>(summary.drawing)](
                        QPagedPaintDevice& printer, bool) {
        return paintSummaryPages(printer, drawing, text);
    };
    classroom.printPages(request);
}

int paintSummaryPages(QPagedPaintDevice& device, QWidget* drawing, const QString& summary)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const QRectF page(QPointF(0, 0),
                      device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDocumentMargin(0);
    QFont font = QGuiApplication::font();
    font.setPointSizeF(11);
    document.setDefaultFont(font);
    document.setPlainText(summary);
    document.setTextWidth(page.width());
    const qreal gap = QFontMetricsF(font, &device).lineSpacing();

    // The drawing as wide as the page, or lower where it would take more than its share.
    qreal textTop = 0;
    if (drawing && !drawing->size().isEmpty()) {
        const QSizeF size = drawing->size();
        const qreal scale =
            std::min(page.width() / size.width(), page.height() * kDrawingShare / size.height());
        const QRectF area(0, 0, page.width(), size.height() * scale);
        paintFitted(painter, drawing, area);
        textTop = area.bottom() + gap;
    }

    // Line by line, so that a page breaks between lines and never through one.
    int pages = 1;
    qreal shift = textTop; // where the document's y = 0 stands on this page
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextLayout* layout = block.layout();
        const QPointF origin = layout->position();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const qreal y = origin.y() + line.y();
            if (y + shift + line.height() > page.height() && y + shift > 0) {
                device.newPage();
                ++pages;
                shift = -y;
            }
            line.draw(&painter, origin + QPointF(0, shift));
        }
    }
    painter.end();
    return pages;
}

namespace {

QString& storedStudentName()
{
    static QString name;
    return name;
}

} // namespace

QString studentName()
{
    return storedStudentName();
}

void setStudentName(const QString& name)
{
    storedStudentName() = name;
}

Exercise::Exercise(LessonWindow* window, StepMode* steps, ClassroomActions* classroom,
                   Frames frames, Accept accept)
    : QObject(window), m_window(window), m_view(window->drawing()), m_classroom(classroom),
      m_makeFrames(std::move(frames)), m_accept(std::move(accept))
{
    QAction* start =
        makeAction(this, "exerciseAction", QStringLiteral("Latihan"), kStartKey,
                   QStringLiteral("Menebak setiap langkah metode pada bobot ini dan dinilai (F9)"));
    QAction* fresh =
        makeAction(this, "exerciseNewAction", QStringLiteral("Soal baru"), kNewKey,
                   QStringLiteral("Bobot acak 1 sampai 20 dengan kode soal untuk seluruh kelas"));
    QAction* open = makeAction(this, "exerciseOpenAction", QStringLiteral("Buka soal..."), kOpenKey,
                               QStringLiteral("Mengisi bobot soal dari kodenya"));
    // The demonstration's default weights are named; another network's may change as it is
    // edited.
    const std::vector<double> defaultsNow = window->defaultLessonWeights();
    const LinkWeights demoDefaults = defaultWeights();
    const bool demoDefaultsNow = std::equal(defaultsNow.begin(), defaultsNow.end(),
                                            demoDefaults.begin(), demoDefaults.end());
    QAction* defaults = makeAction(
        this, "defaultWeightsAction", QStringLiteral("Bobot awal"), kDefaultsKey,
        demoDefaultsNow
            ? QStringLiteral("Mengembalikan bobot awal 7, 6, 8, 1, 2, 4, 4, 4, 5, 16, 1, "
                             "15, 6, 8")
            : QStringLiteral("Mengembalikan bobot awal jaringan ini"));
    connect(start, &QAction::triggered, this, &Exercise::enter);
    connect(fresh, &QAction::triggered, this, &Exercise::newExercise);
    connect(open, &QAction::triggered, this, &Exercise::openExercise);
    connect(defaults, &QAction::triggered, this, &Exercise::restoreDefaultWeights);
    m_actions = {start, fresh, open, defaults};
    addMenuEntries(m_view, MenuSection::Exercise, m_actions);
    window->addActions(m_actions);

    m_escape = new QShortcut(QKeySequence(kLeaveKey.key), window, this, &Exercise::leave,
                             Qt::WidgetWithChildrenShortcut);
    m_escape->setEnabled(false);

    // The questions were worked out for the weights in the boxes and the drawing is the
    // exercise's: an edit, a run or step mode ends it first.
    connect(window, &LessonWindow::weightsEdited, this, &Exercise::leave);
    connect(window, &LessonWindow::runStarting, this, &Exercise::leave);
    if (steps) {
        connect(steps, &StepMode::entered, this, &Exercise::leave);
        connect(this, &Exercise::entered, steps, &StepMode::leave);
    }
}

QString Exercise::scoreText() const
{
    // "0 dari 0" before the first graded answer reads like a grade of nothing. A Floyd
    // iteration that changes no cell is graded all the same, and so says "0 dari 0 sel".
    if (m_score.graded == 0)
        return QStringLiteral("Skor: belum ada jawaban yang dinilai");
    return QStringLiteral("Skor: ") + toQString(exerciseScoreText(m_score, method()));
}

void Exercise::enter()
{
    // The student's own weights: no code to share.
    if (!m_active)
        m_code.clear();
    start(std::nullopt);
}

void Exercise::start(std::optional<int> seed)
{
    LessonNetwork lesson = m_window->lessonNetwork();
    const bool accepted =
        m_accept ? m_accept(lesson)
                 : acceptLesson(lesson, isFloyd(), m_window->window(), m_seams.messageBox);
    if (!accepted)
        return;
    const std::string separator = regionalDecimalSeparator();
    std::vector<StepFrame> frames =
        m_makeFrames ? m_makeFrames(lesson) : lessonFrames(lesson, isFloyd(), separator);
    if (frames.empty())
        return;
    if (!m_active) {
        // Where the focus returns on leaving, unless the student has moved on inside the window.
        m_savedFocus = QApplication::focusWidget();
    }
    if (seed)
        m_code = toQString(exerciseCode(*seed));
    m_lesson = std::move(lesson);
    m_separator = separator;
    m_frames = std::move(frames);
    m_score = {};
    m_question = 0;
    m_summaryBody.clear();
    m_feedback.clear();
    m_finished = false;
    m_started = m_seams.clock();
    RouteLook neutral;
    neutral.description = QStringLiteral("Latihan: gambar hanya menunjukkan langkah yang sudah "
                                         "dijawab.");
    m_view->model().setLayer(DrawingLayer::Exercise, std::move(neutral));
    m_active = true;
    m_escape->setEnabled(true);
    begin();
    emit entered();
    emit changed();
}

void Exercise::leave()
{
    if (!m_active)
        return;
    m_active = false;
    m_finished = false;
    m_escape->setEnabled(false);
    m_view->model().clearLayer(DrawingLayer::Exercise);
    m_frames.clear();
    // Back where the student was, unless the exercise ended because they went on in the window
    // (typed a weight, pressed the run button).
    QWidget* focus = QApplication::focusWidget();
    if (m_savedFocus && (!focus || !m_window->isAncestorOf(focus)))
        m_savedFocus->setFocus(Qt::OtherFocusReason);
    emit left();
}

void Exercise::newExercise()
{
    const int seed = m_seams.newSeed ? m_seams.newSeed()
                                     : int(QRandomGenerator::global()->bounded(kExerciseSeedCount));
    startFromCode(seed);
}

void Exercise::startFromCode(int seed)
{
    // The same code gives the same weights on the same network, whichever machine draws them.
    m_window->setLessonWeights(exerciseNetwork(m_window->lessonNetwork().network, seed).weights());
    start(seed);
}

void Exercise::openExercise()
{
    const std::optional<QString> typed =
        m_seams.textInput(m_window, QStringLiteral("Buka soal"),
                          QStringLiteral("Kode soal dari guru (misalnya 4821-7):"));
    if (!typed)
        return;
    const ExerciseCodeReading reading = readExerciseCode(typed->toStdString());
    if (!reading.seed) {
        m_seams.messageBox(m_window, QStringLiteral("Buka soal"), toQString(reading.error));
        return;
    }
    startFromCode(*reading.seed);
}

void Exercise::restoreDefaultWeights()
{
    m_window->setLessonWeights(m_window->defaultLessonWeights());
    m_code.clear();
}

QString Exercise::startLabel() const
{
    const LessonNetwork lesson = m_active ? m_lesson : m_window->lessonNetwork();
    return lesson.network.hasNode(lesson.start) ? toQString(lesson.network.nodeLabel(lesson.start))
                                                : QString::number(lesson.start);
}

void Exercise::showEarned(int frame, int pivot)
{
    StepMarks marks;
    if (frame >= 0 && frame < questionCount())
        marks = m_frames[size_t(frame)].marks;
    if (pivot != 0)
        marks.pivotNode = pivot;
    const QString said = marksDescription(marks, m_lesson.network, m_lesson.start);
    RouteLook neutral;
    neutral.description = QStringLiteral("Latihan. ") + said;
    neutral.toolTip = said;
    m_view->model().setLayer(DrawingLayer::Exercise, std::move(neutral), std::move(marks));
}

void Exercise::setFeedback(const QString& text)
{
    m_feedback = text;
}

void Exercise::advance()
{
    if (++m_question >= questionCount())
        finish();
}

void Exercise::finish()
{
    m_question = questionCount();
    m_finished = true;
    // A fixed form of the date, the same in every language, that sorts as it reads.
    m_finishedAt = m_seams.dateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    m_summaryBody = toQString(
        exerciseSummary(m_score, method(), exerciseTimeText(m_started, m_seams.clock())));
    emit finished();
}

QString Exercise::summary() const
{
    if (m_summaryBody.isEmpty())
        return {};
    const ExerciseAuthor author{studentName().toStdString(), m_finishedAt.toStdString()};
    return toQString(exerciseHeading(method(), m_code.toStdString(), m_lesson.network, m_separator,
                                     &author)) +
           m_summaryBody;
}

QString Exercise::proposedFileName() const
{
    return QStringLiteral("latihan-%1%2.txt")
        .arg(method() == ExerciseMethod::Floyd         ? QStringLiteral("floyd")
             : method() == ExerciseMethod::BellmanFord ? QStringLiteral("bellman-ford")
                                                       : QStringLiteral("dijkstra"))
        .arg(m_code.isEmpty() ? QString() : u'-' + m_code);
}

QString Exercise::checkCaption() const
{
    return QStringLiteral("Periksa");
}

void Exercise::copySummary() const
{
    if (const QString text = summary(); !text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void Exercise::saveSummary()
{
    if (const QString text = summary(); !text.isEmpty() && m_classroom)
        trayeko::ui::saveSummary(*m_classroom, {text, m_view, proposedFileName(),
                                                QStringLiteral("Ringkasan latihan")});
}

void Exercise::printSummary()
{
    if (const QString text = summary(); !text.isEmpty() && m_classroom)
        trayeko::ui::printSummary(*m_classroom,
                                  {text, m_view, {}, QStringLiteral("Ringkasan latihan")});
}

// --- Dijkstra --------------------------------------------------------------------------------

DijkstraExercise::DijkstraExercise(LessonWindow* window, StepMode* steps,
                                   ClassroomActions* classroom, Frames frames, Accept accept)
    : Exercise(window, steps, classroom, std::move(frames), std::move(accept))
{
    connect(window->drawing(), &DrawingWidget::nodeClicked, this, [this](int node) {
        if (isActive() && !isFinished())
            emit nodePicked(node);
    });
}

void DijkstraExercise::begin()
{
    m_tries.clear();
    showEarned(-1);
    setFeedback(QStringLiteral("Mulai dari simpul %1. Klik simpul pada gambar atau ketik "
                               "nomornya, lalu ketik jaraknya dan tekan Enter.")
                    .arg(startLabel()));
}

QString DijkstraExercise::questionText() const
{
    if (isFinished())
        return QStringLiteral("Latihan selesai.");
    return QStringLiteral("Langkah %1 dari %2: simpul mana yang ditetapkan sekarang, dan berapa "
                          "jaraknya dari simpul %3?")
        .arg(m_question + 1)
        .arg(questionCount())
        .arg(startLabel());
}

void DijkstraExercise::answer(const QString& node, const QString& distance)
{
    if (!isActive() || isFinished())
        return;
    const Grade grade =
        gradeDijkstraStep(m_lesson.network, m_lesson.start, m_lesson.endNode(), size_t(m_question),
                          node.toStdString(), distance.toStdString(), m_separator);
    if (grade.verdict == Verdict::Nonsense) {
        setFeedback(toQString(grade.reason));
        emit changed();
        return;
    }
    m_tries.push_back(grade);
    if (grade.verdict == Verdict::Wrong && m_tries.size() < 2) {
        setFeedback(toQString(grade.reason) + QStringLiteral(" Coba sekali lagi."));
        emit changed();
        return;
    }
    const StepFrame& frame = m_frames[size_t(m_question)];
    setFeedback(grade.verdict == Verdict::Right
                    ? toQString(grade.reason)
                    : toQString(grade.reason) + QStringLiteral(" Jawabannya: ") +
                          frame.explanation);
    scoreDijkstraStep(m_score, size_t(m_question), m_tries);
    m_tries.clear();
    showEarned(m_question);
    advance();
    emit changed();
}

// --- Floyd -----------------------------------------------------------------------------------

FloydExercise::FloydExercise(LessonWindow* window, StepMode* steps, ClassroomActions* classroom,
                             Frames frames, Accept accept)
    : TableExercise(window, steps, classroom, std::move(frames), std::move(accept))
{
}

void FloydExercise::begin()
{
    setFeedback(questionPrompt());
    showQuestion();
}

QString FloydExercise::questionPrompt()
{
    return QStringLiteral("Ketik nilai baru di atas setiap sel yang berubah, lalu tekan Periksa.");
}

void FloydExercise::showQuestion()
{
    m_grade.reset();
    m_matrix.clear();
    m_values.clear();
    // The values before iteration k: the first matrix, or those iteration k - 1 left.
    if (m_question == 0) {
        const FloydMatrices start(m_lesson.network, true);
        for (int row = 1; row <= start.nodeCount(); ++row)
            m_values.push_back(start.valueRow(row));
    } else {
        const std::vector<FloydIteration> its =
            floydChanges(m_lesson.network, m_lesson.start, m_lesson.endNode(), m_separator);
        if (size_t(m_question - 1) < its.size())
            m_values = its[size_t(m_question - 1)].value;
    }
    for (const auto& row : m_values) {
        QStringList cells;
        for (const auto& cell : row)
            cells << toQString(distanceText(cell, m_separator));
        m_matrix.push_back(cells);
    }
    // Node k is the intermediate of iteration k: part of the question, not of the answer.
    showEarned(m_question - 1, m_question + 1);
}

QString FloydExercise::questionText() const
{
    if (isFinished())
        return QStringLiteral("Latihan selesai.");
    // The intermediate by its label, as the steps name it; the cells keep their numbers.
    const int k = m_question + 1;
    const QString pivot =
        m_lesson.network.hasNode(k) ? toQString(m_lesson.network.nodeLabel(k)) : QString::number(k);
    return QStringLiteral("Iterasi %1 dari %2 (simpul %3 sebagai perantara): sel mana dari "
                          "matriks nilai yang berubah, dan menjadi berapa?")
        .arg(k)
        .arg(questionCount())
        .arg(pivot);
}

std::vector<FloydMark> FloydExercise::marksOf(const std::vector<QStringList>& typed) const
{
    std::vector<FloydMark> marks;
    for (size_t i = 0; i < typed.size() && i < m_values.size(); ++i)
        for (qsizetype j = 0; j < typed[i].size() && size_t(j) < m_values[i].size(); ++j) {
            const std::string text = typed[i][j].toStdString();
            const TypedNumber read = readTypedNumber(text, m_separator);
            // No path reads as "∞"; a number is compared as the program shows it, and a text the
            // program wrote ("1E+20", "NaN") left as it stands is no mark either.
            const std::string shown = distanceText(m_values[i][size_t(j)], m_separator);
            const bool same = typed[i][j].trimmed() == toQString(shown) ||
                              (read.kind == TypedNumber::Kind::Number &&
                               formatGeneral(read.value, m_separator) == shown);
            if (!same)
                marks.push_back({int(i) + 1, int(j) + 1, text});
        }
    return marks;
}

bool FloydExercise::check(const std::vector<FloydMark>& marks)
{
    if (!isActive() || isFinished() || m_grade)
        return false;
    const int k = m_question + 1;
    FloydGrade grade = gradeFloydIteration(m_lesson.network, k, marks, m_separator);
    QStringList unusable;
    for (const CellGrade& c : grade.cells)
        if (c.verdict == CellVerdict::Nonsense)
            unusable << toQString(c.reason);
    if (!unusable.isEmpty()) {
        setFeedback(QStringLiteral("Belum dinilai: ") + unusable.join(QLatin1Char(' ')) +
                    QStringLiteral(" Perbaiki, lalu tekan Periksa lagi."));
        emit changed();
        return false;
    }
    scoreFloydIteration(m_score, k, grade);
    QStringList lines;
    for (const CellGrade& c : grade.cells)
        lines << toQString(c.reason);
    // "0 dari 0 sel benar" would hide what went wrong where nothing changes: the marks are the
    // mistakes then.
    if (grade.cells.empty())
        setFeedback(QStringLiteral("Benar: tidak ada sel yang berubah pada iterasi %1.").arg(k));
    else if (grade.total == 0)
        setFeedback(QStringLiteral("Tidak ada sel yang berubah pada iterasi %1. ").arg(k) +
                    lines.join(QStringLiteral("; ")) + u'.');
    else
        setFeedback(QStringLiteral("%1 dari %2 sel benar. ").arg(grade.right).arg(grade.total) +
                    lines.join(QStringLiteral("; ")) + u'.');
    m_grade = std::move(grade);
    showEarned(m_question);
    emit changed();
    return true;
}

void FloydExercise::next()
{
    if (!isActive() || isFinished() || !m_grade)
        return;
    advance();
    // The feedback answered the question just graded; the next one starts without it.
    setFeedback(isFinished() ? QString() : questionPrompt());
    if (!isFinished())
        showQuestion();
    emit changed();
}

// --- Bellman–Ford ----------------------------------------------------------------------------

BellmanFordExercise::BellmanFordExercise(LessonWindow* window, StepMode* steps,
                                         ClassroomActions* classroom)
    : TableExercise(
          window, steps, classroom,
          [](const LessonNetwork& lesson) {
              return bellmanFordPassFrames(lesson, regionalDecimalSeparator());
          },
          // Floyd's check: a start and an end, every weight a finite number, negatives welcome.
          [this](const LessonNetwork& lesson) {
              return acceptLesson(lesson, true, lessonWindow()->window(), seams().messageBox);
          })
{
}

void BellmanFordExercise::begin()
{
    setFeedback(QStringLiteral("Ketik jarak setiap simpul sesudah putaran ini (∞ bila belum "
                               "terjangkau), lalu tekan Periksa."));
    showQuestion();
}

void BellmanFordExercise::showQuestion()
{
    m_grade.reset();
    m_distances.clear();
    m_right.clear();
    const BellmanFordResult result = bellmanFord(m_lesson.network, m_lesson.start);
    const std::size_t pass = std::size_t(m_question);
    if (pass >= result.passes.size())
        return;
    // Before the first pass only the start's distance is known.
    std::vector<double> before(std::size_t(m_lesson.network.nodeCount()), kNoPath);
    if (pass == 0 && m_lesson.network.hasNode(m_lesson.start))
        before[at(m_lesson.start)] = 0;
    else if (pass > 0)
        before = result.passes[pass - 1].distance;
    for (double d : before)
        m_distances << toQString(formatGeneral(d, m_separator));
    for (double d : result.passes[pass].distance)
        m_right << toQString(formatGeneral(d, m_separator));
    showEarned(m_question - 1);
}

QString BellmanFordExercise::questionText() const
{
    if (isFinished())
        return QStringLiteral("Latihan selesai.");
    return QStringLiteral("Putaran %1 dari %2: berapa jarak setiap simpul dari simpul %3 sesudah "
                          "semua jalur diperiksa menurut nomornya?")
        .arg(m_question + 1)
        .arg(questionCount())
        .arg(startLabel());
}

bool BellmanFordExercise::check(const QStringList& typed)
{
    if (!isActive() || isFinished() || m_grade)
        return false;
    std::vector<std::string> texts;
    for (const QString& text : typed)
        texts.push_back(text.trimmed().toStdString());
    Grade grade = gradeBellmanFordPass(m_lesson.network, m_lesson.start, m_question + 1, texts,
                                       m_separator);
    if (grade.verdict == Verdict::Nonsense) {
        setFeedback(QStringLiteral("Belum dinilai: ") + toQString(grade.reason) +
                    QStringLiteral(" Perbaiki, lalu tekan Periksa lagi."));
        emit changed();
        return false;
    }
    scoreBellmanFordPass(m_score, grade);
    m_graded = typed;
    setFeedback(toQString(grade.reason));
    m_grade = std::move(grade);
    showEarned(m_question);
    emit changed();
    return true;
}

void BellmanFordExercise::next()
{
    if (!isActive() || isFinished() || !m_grade)
        return;
    advance();
    setFeedback(QString());
    if (!isFinished())
        showQuestion();
    emit changed();
}

} // namespace trayeko::ui
