// The command-line modes run without a display: their exit status, what they
// print and where, for good and bad files and arguments.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include "document/qstring_utf8.h"
#include "program.h"
#include "tests/support/qstring_printer.h"

namespace {

// The sample example with one change, written into the directory; without
// its drawing unless the change keeps it.
QString SampleWith(const QTemporaryDir& dir, const char* name, const std::function<void(QJsonObject&)>& change,
                   bool drawn = false)
{
    QFile sample(ExampleFile("sample.brivel"));
    sample.open(QIODevice::ReadOnly);
    QJsonObject file = QJsonDocument::fromJson(sample.readAll()).object();
    if (!drawn) file.remove("diagram");
    change(file);
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(QJsonDocument(file).toJson());
    return path;
}

TEST(CommandLine, ModesExitStatusAndOutputWithoutADisplay)
{
    QTemporaryDir dir;
    const QString sample = ExampleFile("sample.brivel");
    const QString badUnit = SampleWith(dir, "unit.brivel", [](QJsonObject& f) {
        QJsonArray elements = f["elements"].toArray();
        QJsonObject second = elements[1].toObject();
        second["L"] = QJsonObject{{"value", "1"}, {"unit", "mF"}};
        elements[1] = second;
        f["elements"] = elements;
    });
    const QString noCurrent = SampleWith(dir, "current.brivel", [](QJsonObject& f) {
        QJsonObject currents = f["currents"].toObject();
        currents.remove("I02");
        f["currents"] = currents;
    });
    const QString singular = SampleWith(dir, "singular.brivel", [](QJsonObject& f) { f.remove("matrix"); });
    const QString disagreeing = SampleWith(dir, "disagree.brivel", [](QJsonObject& f) {
        QJsonObject matrix = f["matrix"].toObject();
        matrix["Z12"] = "Z2";
        matrix["Z22"] = "Z3";
        f["matrix"] = matrix;
    });
    const QString unmentioned = SampleWith(dir, "loop.brivel", [](QJsonObject& f) {
        f["currents"] = QJsonObject{{"I01", "I1"}, {"I02", "I1"}, {"I03", "I1"}};
    });
    const QString unentered = SampleWith(dir, "unentered.brivel", [](QJsonObject& f) {
        QJsonArray elements = f["elements"].toArray();
        elements[2] = QJsonValue::Null;
        f["elements"] = elements;
    });
    const QString noEmf = SampleWith(dir, "emf.brivel", [](QJsonObject& f) {
        f["emf"] = QJsonObject{{"value", "0"}, {"unit", "kV"}};
    });

    const QString crossed = SampleWith(
        dir, "crossed.brivel",
        [](QJsonObject& f) {
            QJsonObject diagram = f["diagram"].toObject();
            QJsonArray wires = diagram["wires"].toArray();
            wires.append(QJsonArray{2, -2, 2, 2});
            diagram["wires"] = wires;
            f["diagram"] = diagram;
        },
        true);
    const QString drawnOtherwise = SampleWith(
        dir, "otherwise.brivel",
        [](QJsonObject& f) {
            QJsonObject currents = f["currents"].toObject();
            currents["I03"] = "-I2";
            f["currents"] = currents;
        },
        true);

    struct Case {
        QStringList arguments;
        int exitCode;
        int outLines;     // −1: any number, but some
        const char* err;  // the whole of standard error, its start when it ends in "…", its end after "…"
        const char* outputFile = "";
    };
    const QString ladder = ExampleFile("ladder_filter.brivel");
    const Case cases[] = {
        {{"--help"}, 0, -1, ""},
        {{"--results", sample}, 1, 0, "標準出力に書き込めません。\n", "/dev/full"},
        {{"--results", disagreeing}, 0, 10, "マトリクスの定義が枝路電流の定義と一致しません。\n…"},
        {{"--bogus"}, 2, 0, "引数が正しくありません：--bogus\n"},
        {{sample, "more.brivel"}, 2, 0, "引数が正しくありません：…"},
        {{"--sweep", sample, "--from", "10", "--from", "100"}, 2, 0, "…：--from が二度指定されています\n"},
        {{"--find", "phase0", ladder, "--quantity", "voltage", "--branch", "6"}, 1, 0, "位相0度点：掃引範囲に…"},
        {{"--find", "max", sample, "--branch", "2"}, 2, 0, "引数が正しくありません：--branch 2\n"},
        {{"--find", "max", sample, "--quantity", "current", "--branch", "4"}, 2, 0, "引数が正しくありません：…"},
        {{"--find", "peak", sample}, 2, 0, "引数が正しくありません：…"},
        {{"--version"}, 0, 1, ""},
        {{"--results", sample}, 0, 10, ""},
        {{"--full", "--results=" + sample}, 0, 10, ""},
        {{"--decades", "4", "--quantity", "voltage", "--sweep", sample, "--from", "1E2"}, 0, 502, ""},
        {{"--sweep", noCurrent}, 0, 502, ""},
        {{"--sweep", noCurrent, "--quantity", "current"}, 1, 0, "枝路電流がセットされていません：I02\n"},
        {{"--sweep", unentered}, 0, 502, "Z3 の素子値が入力されていません。０Ωとして計算します。\n"},
        {{"--results", dir.filePath("missing.brivel")}, 2, 0, "ファイルを読み込めません：ファイルを開けません…"},
        {{"--sweep", badUnit}, 2, 0, "ファイルを読み込めません：知らない単位です（elements[1].L.unit）\n"},
        {{"--results", noCurrent}, 1, 0, "枝路電流がセットされていません：I02\n"},
        {{"--results", singular}, 1, 0, "…計算出来ません\n"},
        {{"--sweep", noEmf}, 1, 0, "起電力Ｅを０以外の値にして下さい。\n"},
        {{"--check", sample}, 0, 0, ""},
        {{"--check", disagreeing}, 3, 3, ""},
        {{"--check", noCurrent}, 2, 0, "枝路電流が定義されていない枝路があります：I02\n"},
        {{"--check", unmentioned}, 2, 0, "ループ電流 I2 を含む枝路電流がありません。\n"},
        {{"--check", dir.filePath("missing.brivel")}, 2, 0, "ファイルを読み込めません：ファイルを開けません…"},
        {{"--check", drawnOtherwise}, 3, 2, ""},
        {{"--check", crossed}, 2, 0, "回路図から定義を求められません：線が交差するか重なっています　位置：(2,0)\n"},
        {{"--loops", sample}, 0, 8, ""},
        {{"--loops", noEmf}, 2, 0, "回路図がありません\n"},
        {{"--spice", crossed}, 2, 0, "回路図から定義を求められません：線が交差するか重なっています　位置：(2,0)\n"},
        {{"--spice", sample}, 0, -1, ""},
        {{"--spice", sample, "--full"}, 2, 0, "引数が正しくありません：…"},
        {{"--check", sample, "--full"}, 2, 0, "引数が正しくありません：…"},
        {{"--check", sample, "--results", sample}, 2, 0, "引数が正しくありません：…"},
        {{"--sweep", sample, "--decades", "3"}, 2, 0, "引数が正しくありません：…"},
        {{"--sweep", sample, "--from", "50"}, 2, 0, "引数が正しくありません：…"},
        {{"--sweep", sample, "--quantity", "power"}, 2, 0, "引数が正しくありません：…"},
        {{"--results", sample, "--sweep", sample}, 2, 0, "引数が正しくありません：…"},
        {{"--results", sample, "--from", "100"}, 2, 0, "引数が正しくありません：…"},
        {{"--results", sample, "more.brivel"}, 2, 0, "引数が正しくありません：…"},
        {{"--results"}, 2, 0, "引数が正しくありません：…"},
        {{"--full"}, 2, 0, "引数が正しくありません：…"},
        {{"--sweep", sample, "--step", "Z3.C=１ｕ、4k7 2.2μ"}, 0, 502, ""},
        {{"--sweep", sample, "--step", "Z3.C=1u,2.2x"}, 2, 0, "…：「2.2x」は値として読めません（9 文字目）。\n"},
        {{"--sweep", sample, "--step", "Z4.C=1u"}, 2, 0, "…など）として読めません（1 文字目）。\n"},
        {{"--sweep", sample, "--step", "Z1.L=1m,1e306"}, 1, 502, "Z1.L=1e+306: オーバーフローが発生しました。\n"},
        {{"--results", sample, "--step", "Z1.R=1"}, 2, 0, "引数が正しくありません：…"},
        {{"--lang", "en", "--sweep", noEmf}, 1, 0, "Set the EMF E to a value other than 0.\n"},
        {{"--lang=en", "--check", crossed}, 2, 0, "…the circuit diagram: Lines cross or overlap at (2,0)\n"},
        {{"--lang", "fr", "--results", sample}, 2, 0, "引数が正しくありません：--lang fr\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ProgramRun run = RunProgram(c.arguments, QString::fromLatin1(c.outputFile));
        EXPECT_EQ(run.exitCode, c.exitCode);
        const qsizetype lines = run.out.count('\n');
        if (c.outLines < 0)
            EXPECT_GT(lines, 0);
        else
            EXPECT_EQ(lines, c.outLines);
        QString err = U8(c.err);
        if (err.endsWith(U8("…")))
            EXPECT_TRUE(run.err.startsWith(err.chopped(1))) << run.err.toStdString();
        else if (err.startsWith(U8("…")))
            EXPECT_TRUE(run.err.endsWith(err.mid(1))) << run.err.toStdString();
        else
            EXPECT_EQ(run.err, err);
    }
    EXPECT_EQ(RunProgram({"--check", drawnOtherwise}).out,
              U8("定義が回路図から求めた定義と一致しません。\nI03　入力：－I2　回路図から：I2\n"));
    // One language, and the window's optional file; the language the window
    // remembers is not the command line's.
    QSettings(QStringLiteral("Brivel"), QStringLiteral("brivel")).setValue(QStringLiteral("language"), "en");
    EXPECT_TRUE(RunProgram({"--help"}).out.startsWith(U8("使い方：\n  brivel [FILE]\n")));
    EXPECT_TRUE(RunProgram({"--lang", "en", "--help"}).out.startsWith(U8("Usage:\n  brivel [FILE]\n")));
}

}  // namespace
