// The file menu and everything that keeps a circuit from being lost: the
// caption with its modified marker, the question before unsaved work is
// discarded, opening and saving circuit files, the recent files, dropped
// files and the recovery file.

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QActionGroup>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

#include "document/language.h"
#include "document/circuit_file.h"
#include "example_files.h"
#include "main_window.h"
#include "platform/message_box.h"
#include "platform/shown_text.h"
#include "document/qstring_utf8.h"
#include "recent_files.h"
#include "document/recovery_file.h"
#include "tab_control.h"
#include "texts.h"

namespace {

// Changes reach the recovery file within a second: a burst of typing is
// written once, at most this long after its first change.
constexpr int kRecoveryDelayMs = 500;

QString ChooseCircuitFile(QWidget* parent, const QString& suggested, QFileDialog::AcceptMode mode)
{
    const bool saving = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(parent, Tr(saving ? texts::kSaveDialogTitle : texts::kOpenDialogTitle),
                       QFileInfo(suggested).absolutePath(), Tr(texts::kCircuitFileFilter));
    // Qt's own dialog adds the suffix before it asks whether to replace a
    // file, so the question is about the file that will be written.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromUtf8(kCircuitFileSuffix));
    if (saving) dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

QString DefaultOpenChooser(QWidget* parent, const QString& suggested)
{
    return ChooseCircuitFile(parent, suggested, QFileDialog::AcceptOpen);
}

QString DefaultSaveChooser(QWidget* parent, const QString& suggested)
{
    return ChooseCircuitFile(parent, suggested, QFileDialog::AcceptSave);
}

// The one circuit file of a drop, if it is one.
QString DroppedCircuitFile(const QMimeData* data)
{
    if (data == nullptr || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return {};
    const QString path = data->urls().front().toLocalFile();
    return QFileInfo(path).suffix() == QString::fromUtf8(kCircuitFileSuffix) ? path : QString();
}

// A menu or a command, captioned by a marked text in the language in use.
template <class Owner>
QMenu* Menu(Owner* owner, const char* title)
{
    QMenu* menu = owner->addMenu(QString());
    ShowText(menu, TextRole::Title, title);
    return menu;
}

QAction* Command(QAction* action, const char* caption)
{
    ShowText(action, TextRole::Text, caption);
    return action;
}

}  // namespace

void MainWindow::BuildMenuBar()
{
    menuBar_ = new QMenuBar(this);
    QMenu* file = Menu(menuBar_, texts::kFileMenu);
    Command(file->addAction(QString(), QKeySequence::New, this, &MainWindow::OnNew), texts::kNewCommand);
    Command(file->addAction(QString(), QKeySequence::Open, this, &MainWindow::OnOpen), texts::kOpenCommand);
    AddExamplesMenu(file);
    Command(file->addAction(QString(), QKeySequence::Save, this, &MainWindow::OnSave), texts::kSaveCommand);
    Command(file->addAction(QString(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this, &MainWindow::OnSaveAs),
            texts::kSaveAsCommand);
    recentMenu_ = Menu(file, texts::kRecentFilesMenu);
    // Filled as ファイル opens: another running Brivel may have added a file,
    // and an empty list is a disabled menu, which would never open to refill.
    connect(file, &QMenu::aboutToShow, this, &MainWindow::FillRecentMenu);
    file->addSeparator();
    Command(file->addAction(QString(), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &MainWindow::OnQuit),
            texts::kQuitCommand);
    FillRecentMenu();
    QMenu* circuit = Menu(menuBar_, texts::kCircuitMenu);
    Command(circuit->addAction(QString(), this, &MainWindow::OnMatrixFromCurrents), texts::kMatrixFromCurrents);
    Command(circuit->addAction(QString(), QKeySequence(Qt::CTRL | Qt::Key_D), this, &MainWindow::OnDiagram),
            texts::kDiagramCommand);
    Command(circuit->addAction(QString(), this, &MainWindow::OpenElementTuning), graph_text::kMenuTune);
    QMenu* language = Menu(Menu(menuBar_, texts::kViewMenu), texts::kLanguageMenu);
    auto* languages = new QActionGroup(language);
    for (Language l : {Language::Japanese, Language::English}) {
        QAction* action = language->addAction(U8(texts::kLanguageNames[static_cast<size_t>(l)]));
        action->setCheckable(true);
        languages->addAction(action);
        languageActions_[static_cast<size_t>(l)] = action;
        connect(action, &QAction::triggered, this, [this, l] { OnLanguageChosen(l); });
    }
    ShowLanguageChosen();
    QMenu* help = Menu(menuBar_, texts::kHelpMenu);
    Command(help->addAction(QString(), QKeySequence::HelpContents, this, &MainWindow::ShowGuide), texts::kGuideCommand);
    Command(help->addAction(QString(), this, &MainWindow::ShowAbout), texts::kAboutCommand);

    // The client area keeps its size and layout below the menu bar.
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width(), menuHeight);
    ui_.pageTabs->move(ui_.pageTabs->pos() + QPoint(0, menuHeight));
    setFixedSize(width(), height() + menuHeight);

    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setSingleShot(true);
    recoveryTimer_->setInterval(kRecoveryDelayMs);
    connect(recoveryTimer_, &QTimer::timeout, this, &MainWindow::WriteRecovery);
    recovery_ = std::make_unique<RecoveryFile>();
    openChooser_ = DefaultOpenChooser;
    saveChooser_ = DefaultSaveChooser;
    setAcceptDrops(true);
}

void MainWindow::FillRecentMenu()
{
    recentMenu_->clear();
    const QStringList files = RecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        // A "&" in a path would be taken for a key.
        const QString shown = QString(path).replace(QLatin1Char('&'), QStringLiteral("&&"));
        recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), this,
                               [this, path] { OnOpenRecent(path); });
    }
    recentMenu_->setEnabled(!files.isEmpty());
}

void MainWindow::AddExamplesMenu(QMenu* file)
{
    QMenu* examples = Menu(file, texts::kExamplesMenu);
    const QFileInfoList files = ExampleFiles();
    for (const QFileInfo& example : files) {
        const QString path = example.filePath();
        examples->addAction(example.completeBaseName(), this, [this, path] { OpenExample(path); });
    }
    examples->setEnabled(!files.isEmpty());
}

void MainWindow::SetFileChoosers(FileChooser open, FileChooser save)
{
    openChooser_ = std::move(open);
    saveChooser_ = std::move(save);
}

bool MainWindow::IsModified() const { return entry_ != savedEntry_; }

void MainWindow::ShowModifiedMarker() { setWindowModified(IsModified()); }

void MainWindow::EntryMayHaveChanged()
{
    if (!SameCircuit(entry_, circuitOnScreen_)) CircuitChanged();
    ShowModifiedMarker();
    MarkMatrixDisagreements();
    if (!recoveryTimer_->isActive()) recoveryTimer_->start();
}

void MainWindow::WriteRecovery()
{
    if (IsModified())
        recovery_->Write(entry_, filePath_);
    else
        recovery_->Remove();
}

void MainWindow::UpdateCaption()
{
    const QString program = Tr(texts::kWindowCaption);
    // A circuit without a file has its marker after the program's name.
    setWindowTitle(filePath_.isEmpty() ? program + QStringLiteral("[*]")
                                       : QFileInfo(filePath_).fileName() + QStringLiteral("[*] - ") + program);
    setWindowModified(IsModified());
}

// The circuit as it now stands is the one on disk, or the start of a new one.
void MainWindow::TakeAsSaved(const QString& path)
{
    filePath_ = path;
    savedEntry_ = entry_;
    UpdateCaption();
    WriteRecovery();
}

bool MainWindow::MayDiscardChanges()
{
    // A circuit of a new size with nothing in it is no work to lose.
    if (!IsModified() || !HoldsEntry()) return true;
    switch (AskChoice(Tr(texts::kUnsavedChanges), Tr(texts::kSave), Tr(texts::kDontSave), Tr(texts::kCancel),
                      Choice::Primary, this)) {
    case Choice::Primary:
        return OnSave();
    case Choice::Secondary:
        // The recovery file goes once the circuit is really replaced: the
        // open dialog may yet be cancelled or the file refused.
        return true;
    case Choice::Cancel:
        return false;
    }
    return false;
}

void MainWindow::OnNew()
{
    if (!MayDiscardChanges()) return;
    StartCircuit();
    TakeAsSaved({});
}

void MainWindow::OnOpen()
{
    if (!MayDiscardChanges()) return;
    const QString path = openChooser_(this, filePath_.isEmpty() ? SuggestedPath() : filePath_);
    if (!path.isEmpty()) OpenFile(path);
}

void MainWindow::OnOpenRecent(const QString& path)
{
    if (MayDiscardChanges() && !OpenFile(path)) ForgetRecentFile(path);
}

bool MainWindow::OpenFile(const QString& path)
{
    const CircuitFileRead read = ReadCircuitFile(path);
    if (!read.document) {
        ShowMessage(read.error.Message(), MessageIcon::Error, this);
        return false;
    }
    LoadDocument(*read.document);
    RememberRecentFile(path);
    diskBytes_ = read.bytes;
    TakeAsSaved(QFileInfo(path).absoluteFilePath());
    return true;
}

void MainWindow::OpenExample(const QString& path)
{
    if (!MayDiscardChanges()) return;
    const CircuitFileRead read = ReadCircuitFile(path);
    if (!read.document) {
        ShowMessage(read.error.Message(), MessageIcon::Error, this);
        return;
    }
    LoadDocument(*read.document);
    TakeAsSaved({});
}

bool MainWindow::OnSave()
{
    if (filePath_.isEmpty()) return OnSaveAs();
    return EntriesHoldNumbers() && SaveTo(filePath_);
}

bool MainWindow::OnSaveAs()
{
    if (!EntriesHoldNumbers()) return false;
    const QString path = saveChooser_(this, filePath_.isEmpty() ? SuggestedPath() : filePath_);
    return !path.isEmpty() && SaveTo(path);
}

bool MainWindow::SaveTo(const QString& path)
{
    ShowUsedValues();
    if (ChangedElsewhere(path) &&
        Ask(Tr(texts::kChangedElsewhere), Tr(texts::kYes), Tr(texts::kNo), this) != Answer::Yes)
        return false;
    if (const auto failure = WriteCircuitFile(path, entry_)) {
        ShowMessage(*failure, MessageIcon::Error, this);
        return false;
    }
    RememberRecentFile(path);
    diskBytes_ = CircuitFileText(entry_);
    TakeAsSaved(QFileInfo(path).absoluteFilePath());
    return true;
}

// Another window or program wrote the file since this one opened or saved
// it. A file that is gone or another one chosen to be replaced is not asked
// about here.
bool MainWindow::ChangedElsewhere(const QString& path) const
{
    const QFileInfo file(path);
    return file.absoluteFilePath() == filePath_ && file.exists() && ReadCircuitFile(path).bytes != diskBytes_;
}

QString MainWindow::SuggestedPath() const
{
    const QStringList recent = RecentFiles();
    const QString folder = recent.isEmpty() ? QDir::homePath() : QFileInfo(recent.front()).absolutePath();
    return QDir(folder).filePath(Tr(texts::kUntitledFileName));
}

void MainWindow::OfferRecovery()
{
    std::optional<LeftRecovery> left = FindLeftRecovery();
    if (!left) return;
    const RecoveredCircuit recovered = left->Read();
    if (!recovered.read.document) {
        // Damaged beyond reading: said once and kept aside, not offered forever.
        const QString kept = left->SetAside();
        ShowMessage(recovered.read.error.Message() + Tr(texts::kRecoveryKept).arg(kept), MessageIcon::Error, this);
        return;
    }
    if (Ask(Tr(texts::kRestoreCircuit), Tr(texts::kYes), Tr(texts::kNo), this) == Answer::Yes)
        Restore(*recovered.read.document, recovered.circuitFile);
    left->Remove();
}

// The restored circuit belongs to its file again, and differs from what the
// file holds now.
void MainWindow::Restore(const CircuitDocument& document, const QString& circuitFile)
{
    LoadDocument(document);
    if (circuitFile.isEmpty()) return;
    const CircuitFileRead onDisk = ReadCircuitFile(circuitFile);
    filePath_ = circuitFile;
    diskBytes_ = onDisk.bytes;
    if (onDisk.document) {
        savedEntry_ = *onDisk.document;
        savedEntry_.display = DisplayUnitsOf(savedEntry_);
    }
    UpdateCaption();
}

void MainWindow::KeepRecoveryForNextStart()
{
    WriteRecovery();
    recovery_->KeepAtExit();
}

// Ending the program closes the window again; it was asked about then.
void MainWindow::closeEvent(QCloseEvent* event)
{
    if (ending_) {
        event->accept();
        return;
    }
    if (!MayDiscardChanges()) {
        event->ignore();
        return;
    }
    ending_ = true;
    event->accept();
    emit endRequested();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedCircuitFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

// The question about unsaved work waits until the drop has returned, so that
// the program the file came from is not held up by it.
void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = DroppedCircuitFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, path] { OpenAfterAsking(path); });
}

void MainWindow::OpenAfterAsking(const QString& path)
{
    if (MayDiscardChanges()) OpenFile(path);
}
