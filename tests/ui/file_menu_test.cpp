// The file menu around the calculation page: the question before unsaved
// work is discarded, a file opened as if its circuit had been entered, and the
// recovery file after the program was killed.

#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <cstdio>
#include <gtest/gtest.h>

#include "documents.h"
#include "document/qstring_utf8.h"
#include "document/circuit_file.h"
#include "ui/entry_field.h"
#include "ui/recent_files.h"
#include "document/recovery_file.h"
#include "ui/selector.h"
#include "user.h"

namespace {

const char* const kUnsavedQuestion = "回路が変更されています。保存しますか？";

void Drop(MainWindow& window, const QString& path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    // The question comes once the drop has returned.
    QCoreApplication::processEvents();
}

struct DiscardingCommand {
    const char* name;
    std::function<void(User&, const QString& file)> run;
    // Whether the command went through: what it does is seen.
    std::function<bool(User&, bool ended)> carriedOut;
};

bool HoldsSampleOfFile(User& user, bool) { return user.document().elements == documents::Sample().elements; }

const std::vector<DiscardingCommand>& DiscardingCommands()
{
    static const std::vector<DiscardingCommand> commands = {
        {"新規作成", [](User& u, const QString&) { u.Command("新規作成(&N)"); },
         [](User& u, bool) { return u.document().branches == 3 && !u.document().currents[0]; }},
        {"開く", [](User& u, const QString&) { u.Command("開く(&O)…"); }, HoldsSampleOfFile},
        {"ドロップ", [](User& u, const QString& file) { Drop(u.window(), file); }, HoldsSampleOfFile},
        {"クリア", [](User& u, const QString&) { u.Click(u.ui().clearButton); },
         [](User& u, bool) { return u.document().branches == 3 && !u.document().currents[0]; }},
        {"終了", [](User& u, const QString&) { u.Click(u.ui().quitButton); }, [](User&, bool ended) { return ended; }},
        {"閉じる", [](User& u, const QString&) { u.window().close(); }, [](User&, bool ended) { return ended; }},
    };
    return commands;
}

// Every command that discards the circuit asks first; 保存 saves and goes on,
// 保存しない goes on, キャンセル leaves everything as it was.
TEST(FileMenu, UnsavedWorkIsNeverDiscardedUnasked)
{
    QTemporaryDir dir;
    const QString file = documents::Saved(dir.path(), "other.brivel", documents::Sample());
    for (const DiscardingCommand& command : DiscardingCommands()) {
        for (const char* answer : {"保存", "保存しない", "キャンセル"}) {
            SCOPED_TRACE(std::string(command.name) + " / " + answer);
            const QString saved = QDir(dir.path()).filePath(QStringLiteral("saved-%1.brivel").arg(U8(answer)));
            User user;
            user.window().SetFileChoosers([&](QWidget*, const QString&) { return file; },
                                          [&](QWidget*, const QString&) { return saved; });
            bool ended = false;
            QObject::connect(&user.window(), &MainWindow::endRequested, [&] { ended = true; });
            user.EnterSampleCircuit();
            const CircuitDocument entered = user.document();

            EXPECT_EQ(user.Answering(answer, [&] { command.run(user, file); }), U8(kUnsavedQuestion));
            const bool cancelled = answer == std::string_view("キャンセル");
            EXPECT_EQ(command.carriedOut(user, ended), !cancelled);
            if (cancelled) {
                EXPECT_EQ(user.document(), entered);
            }
            const CircuitFileRead written = ReadCircuitFile(saved);
            EXPECT_EQ(written.document == entered, answer == std::string_view("保存"));
        }
    }
}

TEST(FileMenu, NothingEnteredSinceTheLastSaveIsNotAskedAbout)
{
    QTemporaryDir dir;
    const QString file = documents::Saved(dir.path(), "sample.brivel", documents::Sample());
    User user;
    ASSERT_TRUE(user.window().OpenFile(file));
    user.window().SetFileChoosers([&](QWidget*, const QString&) { return file; }, {});
    EXPECT_TRUE(user.Answering("保存しない", [&] { user.Command("開く(&O)…"); }).isEmpty());
    EXPECT_TRUE(user.Answering("保存しない", [&] { user.Command("新規作成(&N)"); }).isEmpty());
    // A new count with nothing entered loses nothing.
    EXPECT_TRUE(user.Answering("保存しない", [&] { user.Choose(user.ui().loopCount, U8("３")); }).isEmpty());
}

// Opening shows every field, unit, caption and result exactly as entering
// the same circuit through the dialogs does.
TEST(FileMenu, AnOpenedFileShowsWhatEnteringItWouldHave)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("typed.brivel"));
    User typed;
    typed.Choose(typed.ui().branchCount, U8("４"));
    typed.EnterSampleCircuit();
    typed.EnterElement(4, {"2", U8("ＫΩ")}, {"3", U8("μＨ")}, {"47", U8("ＰＦ")});
    // Terms in increasing order: the captions a file gives its sums.
    typed.DefineMatrix(1, 2, {"Ｚ１", "－", "Ｚ２", "－", "Ｚ３", "＋", "Ｚ４"});
    typed.DefineCurrent(4, {"－", "Ｉ１", "＋", "Ｉ２"});
    typed.TypeInto(typed.ui().frequencyField, "1.5");
    typed.Choose(typed.ui().frequencyUnit, U8("ＫＨｚ"));
    typed.Choose(typed.ui().currentUnit[2], U8("μＡ"));
    typed.Choose(typed.ui().inputImpedanceUnit, U8("ＫΩ"));
    EXPECT_TRUE(typed.window().isWindowModified());  // changed, never saved
    typed.window().SetFileChoosers({}, [&](QWidget*, const QString&) { return path; });
    typed.Command("上書き保存(&S)");
    EXPECT_EQ(typed.window().windowTitle(), U8("typed.brivel[*] - Wexlar　Ｖｅｒ．１．０"));
    EXPECT_FALSE(typed.window().isWindowModified());
    EXPECT_EQ(RecentFiles().value(0), QFileInfo(path).canonicalFilePath());
    QMenu* fileMenu = typed.window().findChild<QMenuBar*>()->actions().front()->menu();
    emit fileMenu->aboutToShow();
    QMenu* recent = nullptr;
    for (QAction* a : fileMenu->actions())
        if (a->menu() != nullptr) recent = a->menu();
    ASSERT_NE(recent, nullptr);
    EXPECT_TRUE(recent->isEnabled());
    ASSERT_FALSE(recent->actions().isEmpty());
    EXPECT_EQ(recent->actions().front()->text(), QStringLiteral("&1 ") + QFileInfo(path).canonicalFilePath());

    User opened;
    ASSERT_TRUE(opened.window().OpenFile(path));
    EXPECT_EQ(opened.document(), typed.document());
    EXPECT_FALSE(opened.window().isWindowModified());
    typed.Answering("入力どおり計算", [&] { typed.Calculate(); });
    opened.Answering("入力どおり計算", [&] { opened.Calculate(); });
    const auto shown = [](User& user) {
        QStringList texts;
        for (QWidget* w : user.window().findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&user.window())) continue;
            if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
            if (auto* button = qobject_cast<QPushButton*>(w))
                texts << button->text() + QString::number(button->font().pointSizeF());
            if (auto* selector = qobject_cast<Selector*>(w)) texts << selector->currentText();
            if (auto* field = qobject_cast<EntryField*>(w)) texts << field->text();
        }
        return texts;
    };
    EXPECT_EQ(shown(opened), shown(typed));

    opened.TypeInto(opened.ui().emfField, "2");
    EXPECT_TRUE(opened.window().isWindowModified());
}

// A refused file changes nothing on screen; a value text longer than the
// keyboard may type is shown whole.
TEST(FileMenu, OpeningKeepsTheScreenOrTheWholeText)
{
    QTemporaryDir dir;
    const QString damaged = QDir(dir.path()).filePath(QStringLiteral("damaged.brivel"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(CircuitFileText(documents::Sample()).chopped(9));
    file.close();
    User user;
    user.EnterSampleCircuit();
    const CircuitDocument entered = user.document();
    EXPECT_FALSE(user.window().OpenFile(damaged));
    ASSERT_EQ(user.messages().size(), 1u);
    EXPECT_TRUE(user.messages()[0].text.startsWith(U8("ファイルを読み込めません：")));
    EXPECT_EQ(user.document(), entered);
    EXPECT_EQ(user.ui().matrixButtons[1][1]->text(), U8("Z1＋Z2"));

    CircuitDocument precise = documents::Sample();
    precise.emf.text = QStringLiteral("1.000000000000001");
    ASSERT_TRUE(user.window().OpenFile(documents::Saved(dir.path(), "precise.brivel", precise)));
    EXPECT_EQ(user.ui().emfField->text(), precise.emf.text);
    EXPECT_EQ(SourceVoltage(user.circuit()), 1.000000000000001);
    // The keyboard is held to its length again once the circuit is new.
    user.Click(user.ui().clearButton);
    EXPECT_EQ(user.ui().emfField->maxLength(), EntryField::kMaxChars);

    // Capacitors at 0 Hz have no impedance yet and E overflows with its unit:
    // everything is loaded all the same, unasked, and saved again whole.
    CircuitDocument atZero = documents::Sample();
    atZero.frequency.text = "0";
    atZero.emf = {"9E+307", U8("ＫＶ")};
    const QString zero = documents::Saved(dir.path(), "zero.brivel", atZero);
    ASSERT_TRUE(user.window().OpenFile(zero));
    EXPECT_EQ(user.messages().size(), 1u);
    EXPECT_EQ(user.document().elements, atZero.elements);
    EXPECT_EQ(user.document().emf, atZero.emf);
    EXPECT_FALSE(user.window().isWindowModified());
    user.Command("上書き保存(&S)");
    EXPECT_EQ(ReadCircuitFile(zero).document->elements, atZero.elements);
}

// Two windows on one file: the second save asks before it replaces what the
// first one saved; a dialog cancelled after 保存しない keeps the recovery file.
TEST(FileMenu, NeitherAnotherWindowsSaveNorTheRecoveryFileIsLostUnasked)
{
    QTemporaryDir dir;
    const QString file = documents::Saved(dir.path(), "shared.brivel", documents::Sample());
    User first, second;
    ASSERT_TRUE(first.window().OpenFile(file) && second.window().OpenFile(file));
    first.TypeInto(first.ui().emfField, "2");
    EXPECT_TRUE(first.Answering("いいえ", [&] { first.Command("上書き保存(&S)"); }).isEmpty());
    second.TypeInto(second.ui().emfField, "3");
    EXPECT_EQ(second.Answering("いいえ", [&] { second.Command("上書き保存(&S)"); }),
              U8("ファイルが他で変更されています。上書きしますか？"));
    EXPECT_EQ(ReadCircuitFile(file).document->emf.text, "2");
    EXPECT_TRUE(second.window().isWindowModified());
    second.Answering("はい", [&] { second.Command("上書き保存(&S)"); });
    EXPECT_EQ(ReadCircuitFile(file).document->emf.text, "3");

    first.TypeInto(first.ui().emfField, "4");
    const QDir folder(RecoveryFile::DefaultFolder());
    ASSERT_TRUE(QTest::qWaitFor([&] { return folder.entryList({"*.brivel"}).size() == 1; }, 5000));
    first.window().SetFileChoosers([](QWidget*, const QString&) { return QString(); }, {});
    first.Answering("保存しない", [&] { first.Command("開く(&O)…"); });
    QTest::qWait(1000);
    EXPECT_EQ(folder.entryList({"*.brivel"}).size(), 1);
}

// The examples are listed by name and open as new circuits, with no file.
TEST(FileMenu, ExamplesOpenAsNewCircuits)
{
    User user;
    QMenu* examples = nullptr;
    for (QMenu* menu : user.window().findChildren<QMenu*>())
        if (menu->title() == U8("例を開く")) examples = menu;
    ASSERT_NE(examples, nullptr);
    QStringList names;
    for (QAction* action : examples->actions()) names << action->text();
    EXPECT_EQ(names, (QStringList{"artificial_line", "bridge", "bridged_t", "grid_2x2", "ladder_filter", "sample"}));
    examples->actions()[1]->trigger();
    EXPECT_EQ(user.document().loops, 3);
    EXPECT_FALSE(user.window().isWindowModified());
    EXPECT_TRUE(user.Answering("保存しない", [&] { user.Command("新規作成(&N)"); }).isEmpty());
}

// Run as a child process by the test below: changes the circuit, says where
// the recovery file is once it is written, and waits to be killed.
TEST(Recovery, ChildWorkingUntilKilled)
{
    if (qEnvironmentVariableIsEmpty("BRIVEL_RECOVERY_CHILD")) GTEST_SKIP() << "run by Recovery.AfterAKill";
    User user;
    const QString home = qEnvironmentVariable("BRIVEL_TEST_HOME");
    ASSERT_TRUE(user.window().OpenFile(documents::Saved(home, "killed.brivel", documents::Sample())));
    user.TypeInto(user.ui().emfField, "7");
    const QDir folder(RecoveryFile::DefaultFolder());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !folder.entryList({"*.brivel"}).isEmpty(); }, 5000));
    std::printf("RECOVERY %s\n", qPrintable(folder.entryInfoList({"*.brivel"}).front().filePath()));
    std::fflush(stdout);
    QTest::qWait(120000);
}

QString RecoveryPathOf(QProcess& child)
{
    QByteArray out;
    while (child.waitForReadyRead(60000)) {
        out += child.readAllStandardOutput();
        for (const QByteArray& line : out.split('\n'))
            if (line.startsWith("RECOVERY ")) return QString::fromUtf8(line.mid(9));
    }
    return {};
}

// A killed program's circuit is offered at the next start; a second program
// running meanwhile neither offers nor touches the first one's file.
TEST(Recovery, AfterAKill)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BRIVEL_RECOVERY_CHILD"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=Recovery.ChildWorkingUntilKilled")});
    const QString childFile = RecoveryPathOf(child);
    ASSERT_FALSE(childFile.isEmpty()) << child.readAllStandardError().toStdString();

    EXPECT_FALSE(FindLeftRecovery());
    {
        User second;
        second.TypeInto(second.ui().emfField, "3");
        ASSERT_TRUE(QTest::qWaitFor(
            [] { return QDir(RecoveryFile::DefaultFolder()).entryList({"*.brivel"}).size() == 2; }, 5000));
    }
    EXPECT_EQ(QDir(RecoveryFile::DefaultFolder()).entryList({"*.brivel"}),
              QStringList{QFileInfo(childFile).fileName()});
    EXPECT_EQ(ReadCircuitFile(childFile).document->emf.text, "7");

    child.kill();
    ASSERT_TRUE(child.waitForFinished());
    User next;
    EXPECT_EQ(next.Answering("はい", [&] { next.window().OfferRecovery(); }),
              U8("前回正常に終了しなかった回路を復元しますか？"));
    EXPECT_EQ(next.ui().emfField->text(), "7");
    EXPECT_EQ(next.document().emf.text, "7");
    EXPECT_TRUE(next.window().windowTitle().startsWith("killed.brivel"));
    EXPECT_TRUE(next.window().isWindowModified());
    EXPECT_FALSE(QFileInfo::exists(childFile));
    // Offered once: declined or restored, it is gone.
    EXPECT_FALSE(FindLeftRecovery());

    // One damaged beyond reading is said once, not offered.
    QFile damaged(QDir(RecoveryFile::DefaultFolder()).filePath(QStringLiteral("circuit-damaged.brivel")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("{");
    damaged.close();
    User after;
    EXPECT_TRUE(after.Answering("はい", [&] { after.window().OfferRecovery(); }).isEmpty());
    ASSERT_EQ(after.messages().size(), 1u);
    EXPECT_TRUE(after.messages()[0].text.startsWith(U8("ファイルを読み込めません：")));
    EXPECT_FALSE(damaged.exists());
    EXPECT_TRUE(after.messages()[0].text.endsWith(damaged.fileName() + ".damaged"));
    EXPECT_TRUE(QFile::exists(damaged.fileName() + ".damaged"));
}

}  // namespace
