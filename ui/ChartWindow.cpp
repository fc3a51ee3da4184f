#include "ui/ChartWindow.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>

#include <qcustomplot.h>

#include "core/document/RunDocument.h"
#include "core/text/Texts.h"
#include "platform/qt/FileWriting.h"
#include "platform/qt/QtText.h"
#include "ui/Dialogs.h"
#include "ui/chart/BudgetTab.h"
#include "ui/chart/ChartLaws.h"
#include "ui/chart/HitsTab.h"
#include "ui/chart/LevelsTab.h"
#include "ui/chart/PayoutTab.h"
#include "ui/chart/PlayersTab.h"
#include "ui/chart/Report.h"
#include "ui/chart/ReportQueue.h"
#include "ui/chart/RunFiles.h"

namespace zarno {

ChartWindow::ChartWindow(const Wording& wording, StartThread lawsThread, QWidget* parent)
    : QWidget(parent, Qt::Window),
      wording_(wording),
      laws_(new ChartLaws(std::move(lawsThread), this)),
      reports_(new ReportQueue(this, [this] { return lawsSettled(); })),
      tabs_(new QTabWidget(this)),
      payout_(new PayoutTab(wording, *laws_)),
      players_(new PlayersTab(wording, *laws_)),
      budget_(new BudgetTab(wording, *laws_)),
      levels_(new LevelsTab(wording, *laws_)),
      views_{payout_, new HitsTab(wording, *laws_), players_, budget_, levels_},
      reading_([this] { emit runRead(); }) {
    setWindowTitle(text(texts::chartTitle));
    setObjectName("Kaavio");
    resize(900, 700);
    for (ChartTab* each : views_) {
        tabs_->addTab(each, each->title());
    }

    auto* buttons = new QHBoxLayout;
    const auto button = [&](std::string_view caption, const char* name,
                            void (ChartWindow::*run)()) {
        auto* created = new QPushButton(text(caption));
        created->setObjectName(name);
        buttons->addWidget(created);
        connect(created, &QPushButton::clicked, this, run);
        return created;
    };
    button(texts::copy, "Kopioi", &ChartWindow::copyTable);
    button(texts::saveImage, "TallennaKuva", &ChartWindow::saveImage);
    needRows_.push_back(button(texts::saveRun, "TallennaAjo", &ChartWindow::saveRun));
    button(texts::openRun, "AvaaAjo", &ChartWindow::openRun);
    needRows_.push_back(button(texts::saveReport, "TallennaRaportti", &ChartWindow::saveReport));
    needRows_.push_back(button(texts::print, "Tulosta", &ChartWindow::print));
    buttons->addStretch();
    auto* about = new QPushButton(text(texts::about));
    about->setObjectName("Tietoja");
    buttons->addWidget(about);
    connect(about, &QPushButton::clicked, this, [this] { openAbout(this, wording_); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    // From anywhere in the window, not only from the tabs' own bar.
    const auto turn = [this](int by) {
        tabs_->setCurrentIndex((tabs_->currentIndex() + by + tabs_->count()) % tabs_->count());
    };
    const std::pair<QKeySequence, int> turns[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_Backtab), -1}};
    for (const auto& [keys, by] : turns) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [turn, by] { turn(by); });
    }
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &ChartWindow::copyTable);
    connect(tabs_, &QTabWidget::currentChanged, this, &ChartWindow::draw);
    connect(players_->sessionLength(), &QComboBox::currentIndexChanged, this, &ChartWindow::draw);
    connect(levels_->column(), &QComboBox::currentIndexChanged, this, &ChartWindow::draw);
    connect(budget_, &BudgetTab::budgetChanged, this, &ChartWindow::budgetChanged);
    // A law worked out is shown, and may be the last one a report waits for.
    connect(laws_, &ChartLaws::ready, this, &ChartWindow::draw);
    connect(laws_, &ChartLaws::ready, reports_, &ReportQueue::lawsReady);
    connect(this, &ChartWindow::runRead, this, &ChartWindow::showRead, Qt::QueuedConnection);
}

ChartWindow::~ChartWindow() = default;

QString ChartWindow::text(std::string_view finnish) const {
    return qtext(wording_(finnish));
}

void ChartWindow::present(const SeriesRecord& record, const Play& play, When when,
                          std::optional<std::uint64_t> seed) {
    const auto interval = views_[static_cast<std::size_t>(tabs_->currentIndex())]->interval();
    if (when == When::due && drawn_.isValid() && drawn_.elapsed() < interval.count()) {
        return;
    }
    record_ = record;
    play_ = play;
    seed_ = seed;
    draw();
}

ChartView ChartWindow::view(bool report) const {
    return {record_, play_, report};
}

void ChartWindow::draw() {
    drawn_.start();
    // Asked for whatever the tab, so that they are at hand by the time the players' tab is.
    laws_->sessions(play_.level);
    for (QPushButton* button : needRows_) {
        button->setEnabled(isLevel(play_.level) && record_.rows() > 0);
    }
    views_[static_cast<std::size_t>(tabs_->currentIndex())]->draw(view());
}

// The tables apart by an empty line.
void ChartWindow::copyTable() {
    QStringList lines;
    for (const QTableWidget* table :
         views_[static_cast<std::size_t>(tabs_->currentIndex())]->copied()) {
        if (!lines.isEmpty()) {
            lines << QString();
        }
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            cells << table->horizontalHeaderItem(c)->text();
        }
        lines << cells.join('\t');
        for (int r = 0; r < table->rowCount(); ++r) {
            cells.clear();
            for (int c = 0; c < table->columnCount(); ++c) {
                cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
            }
            lines << cells.join('\t');
        }
    }
    QGuiApplication::clipboard()->setText(lines.join('\n') + '\n');
}

void ChartWindow::saveImage() {
    askForFile(this, FileUse::save, text(texts::saveImage), QStringLiteral("zarno-kaavio.png"),
               text(texts::imageFiles), [this](const QString& file) { saveImageTo(file); });
}

// A failure, told with the system's reason on a line of its own.
void ChartWindow::tell(std::string_view what, const QString& reason) {
    openMessage(this, text(what) + '\n' + reason);
}

// Encoded in memory first, so that only a whole image ever replaces a file.
void ChartWindow::saveImageTo(const QString& file) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QString reason;
    if (!views_[static_cast<std::size_t>(tabs_->currentIndex())]->plot()->toPixmap().save(&buffer,
                                                                                          "PNG")) {
        reason = buffer.errorString();
    } else {
        reason = writeWholeFile(withSuffix(file, QStringLiteral("png")), png);
    }
    if (!reason.isEmpty()) {
        tell(texts::imageNotSaved, reason);
    }
}

void ChartWindow::saveRun() {
    askForFile(this, FileUse::save, text(texts::saveRun), QStringLiteral("zarno-ajo.json"),
               text(texts::runFiles), [this](const QString& file) { saveRunTo(file); });
}

// The budget's exact figures go in when they are at hand: for a large budget they take seconds.
void ChartWindow::saveRunTo(const QString& file) {
    const odds::BudgetLaw* budget = laws_->budget({play_.level, record_.budget().budget}).laws;
    const QString reason = saveRunFile(
        file, runDocument(play_, record_, {seed_, false, laws_->sessionsNow(play_.level), budget}));
    if (!reason.isEmpty()) {
        tell(texts::runNotSaved, reason);
    }
}

void ChartWindow::openRun() {
    askForFile(this, FileUse::open, text(texts::openRun), QString(), text(texts::runFiles),
               [this](const QString& file) { openRunFrom(file); });
}

// Read and checked on a thread of its own, and shown on this one.
void ChartWindow::openRunFrom(const QString& file) {
    auto bytes = runFileBytes(file);
    if (const auto* reason = std::get_if<QString>(&bytes)) {
        tell(texts::runNotOpened, *reason);
        return;
    }
    opening_[reading_.read(std::move(std::get<std::string>(bytes)))] = file;
}

void ChartWindow::showRead() {
    for (auto& [number, read] : reading_.take()) {
        showOpened(opening_[number], std::move(read));
        opening_.erase(number);
    }
}

// The opened window owns its run: a budget set on it cuts players from after its last row.
void ChartWindow::showOpened(const QString& file, RunReading::Read read) {
    if (const auto* error = std::get_if<DocumentError>(&read)) {
        tell(texts::runNotOpened, whyNotOpened(*error, wording_));
        return;
    }
    auto run = std::make_shared<SavedRun>(std::move(std::get<SavedRun>(read)));
    auto* opened = new ChartWindow(wording_, {}, this);
    opened->setAttribute(Qt::WA_DeleteOnClose);
    opened->setWindowTitle(QFileInfo(file).fileName() + QStringLiteral(" – ") +
                           text(texts::chartTitle));
    opened->setWindowIcon(windowIcon());
    opened->tabs_->setCurrentIndex(tabs_->currentIndex());
    opened->budget_->budget()->setValue(run->record.budget().budget);
    connect(opened, &ChartWindow::budgetChanged, opened, [opened, run](int budget) {
        run->record.setBudget(budget);
        opened->present(run->record, run->play, When::now, run->seed);
    });
    opened->present(run->record, run->play, When::now, run->seed);
    opened->show();
}

void ChartWindow::saveReport() {
    askForFile(this, FileUse::save, text(texts::saveReport), QStringLiteral("zarno-raportti.pdf"),
               text(texts::reportFiles), [this](const QString& file) { saveReportTo(file); });
}

void ChartWindow::saveReportTo(const QString& file) {
    reports_->add([this, file] {
        const QString reason =
            writePdf(withSuffix(file, QStringLiteral("pdf")), windowTitle(),
                     [this](QPagedPaintDevice& pdf) { return writeReport(pdf); });
        if (!reason.isEmpty()) {
            tell(texts::reportNotSaved, reason);
        }
    });
}

// The printer lives as long as the dialog or a report waiting to be painted on it.
void ChartWindow::print() {
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    auto* dialog = new QPrintDialog(printer.get(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this,
            [this, printer] { reports_->add([this, printer] { writeReport(*printer); }); });
    dialog->open();
}

// Whether the exact laws of every page are worked out, or cannot be; asking starts the work on the
// next one.
bool ChartWindow::lawsSettled() {
    bool settled = true;
    for (ChartTab* each : views_) {
        settled = each->lawsSettled(view()) && settled;
    }
    return settled;
}

// Every tab drawn afresh, whichever shows, and a page for each.
bool ChartWindow::writeReport(QPagedPaintDevice& device) {
    std::vector<ReportPage> pages;
    for (ChartTab* each : views_) {
        pages.push_back({each->title(), each->plot(), each->draw(view(true))});
    }
    return paintReport(device, reportHead(play_, record_, seed_, wording_), pages);
}

}  // namespace zarno
