#pragma once
// The save dialog of the exports: a file name asked with the toolkit's own
// dialog, which adds the chosen type's suffix to a name typed without one
// before it asks whether to replace a file, so the question is about the
// file that will be written.

#include <functional>
#include <utility>
#include <vector>

#include <QString>

class QWidget;

struct SaveFileType {
    QString filter;  // "PDF (*.pdf)"
    QString suffix;  // "pdf"
};

struct SaveQuestion {
    QString title;
    std::vector<SaveFileType> types;  // the first is offered unless the suggestion has another's suffix
    QString suggested;                // a whole path
};

// The chosen path; empty when the dialog was cancelled.
QString AskSaveFileName(QWidget* parent, const SaveQuestion& question);

// How a window asks; tests answer in its place.
using SaveFileChooser = std::function<QString(QWidget* parent, const SaveQuestion& question)>;

// Where the save dialog of an export starts: the file last written for the
// same circuit file; else beside the circuit's file, named after it with the
// suffix last used; else the file last written; else the fallback.
class ExportPlace {
public:
    explicit ExportPlace(QString fallback) : fallback_(std::move(fallback)) {}
    void SetFallback(QString fallback) { fallback_ = std::move(fallback); }
    // circuitFile: the circuit's file, empty for a circuit never saved.
    QString Suggestion(const QString& circuitFile) const;
    void Written(const QString& path, const QString& circuitFile);

private:
    QString fallback_;
    QString last_;
    QString lastCircuit_;
};
