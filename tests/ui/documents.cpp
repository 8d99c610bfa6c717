#include "documents.h"

#include <QDir>

#include "document/circuit_file.h"

namespace documents {

namespace {

SignedSumMarks Marked(Terms terms, int places)
{
    SignedSumMarks marks(static_cast<size_t>(places), 0);
    for (const auto& [place, sign] : terms) marks[place] = static_cast<int16_t>(sign);
    return marks;
}

}  // namespace

SignedSumMarks MatrixMarks(Terms terms) { return Marked(terms, kMatrixMarkPlaces); }
SignedSumMarks CurrentMarks(Terms terms) { return Marked(terms, kCurrentMarkPlaces); }

ElementEntry Entry(const QString& r, const char* rUnit, const QString& l, const char* lUnit, const QString& c,
                   const char* cUnit)
{
    ElementEntry e;
    e.values = {{{r, QString::fromUtf8(rUnit)}, {l, QString::fromUtf8(lUnit)}, {c, QString::fromUtf8(cUnit)}}};
    return e;
}

CircuitDocument Sample()
{
    CircuitDocument d = EmptyDocument(2, 3);
    d.elements[0] = Entry("10", "Ω", "10", "ｍＨ", "", "μＦ");
    d.elements[1] = Entry("5", "Ω", "0", "Ｈ", "1", "μＦ");
    d.elements[2] = Entry("100", "Ω", "0", "Ｈ", "0.1", "μＦ");
    d.matrix[MatrixPosition(1, 1)] = MatrixMarks({{1, 1}, {2, 1}});
    d.matrix[MatrixPosition(1, 2)] = MatrixMarks({{2, -1}});
    d.matrix[MatrixPosition(2, 2)] = MatrixMarks({{2, 1}, {3, 1}});
    d.currents[0] = CurrentMarks({{1, 1}});
    d.currents[1] = CurrentMarks({{1, 1}, {2, -1}});
    d.currents[2] = CurrentMarks({{2, 1}});
    return d;
}

QString Saved(const QString& directory, const QString& name, const CircuitDocument& document)
{
    const QString path = QDir(directory).filePath(name);
    if (const auto error = WriteCircuitFile(path, document)) qFatal("%s", qPrintable(*error));
    return path;
}

}  // namespace documents
