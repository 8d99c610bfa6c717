#include "platform/save_file_dialog.h"

#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

const SaveFileType* TypeOfFilter(const SaveQuestion& q, const QString& filter)
{
    for (const SaveFileType& type : q.types)
        if (type.filter == filter) return &type;
    return nullptr;
}

}  // namespace

QString AskSaveFileName(QWidget* parent, const SaveQuestion& question)
{
    QStringList filters;
    for (const SaveFileType& type : question.types) filters << type.filter;
    QFileDialog dialog(parent, question.title, QFileInfo(question.suggested).absolutePath(), filters.join(";;"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString suffix = QFileInfo(question.suggested).suffix();
    for (const SaveFileType& type : question.types)
        if (type.suffix.compare(suffix, Qt::CaseInsensitive) == 0) dialog.selectNameFilter(type.filter);
    if (const SaveFileType* type = TypeOfFilter(question, dialog.selectedNameFilter()))
        dialog.setDefaultSuffix(type->suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &question](const QString& filter) {
        if (const SaveFileType* type = TypeOfFilter(question, filter)) dialog.setDefaultSuffix(type->suffix);
    });
    dialog.selectFile(question.suggested);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

QString ExportPlace::Suggestion(const QString& circuitFile) const
{
    if (!last_.isEmpty() && lastCircuit_ == circuitFile) return last_;
    const QString chosen = last_.isEmpty() ? fallback_ : last_;
    if (circuitFile.isEmpty()) return chosen;
    const QFileInfo circuit(circuitFile);
    return circuit.dir().filePath(circuit.completeBaseName() + '.' + QFileInfo(chosen).suffix());
}

void ExportPlace::Written(const QString& path, const QString& circuitFile)
{
    last_ = path;
    lastCircuit_ = circuitFile;
}
