// The main window for every kind of input: names for assistive technology,
// keyboard shortcuts, and the help menu's guide and version box.

#include <QAccessible>
#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "circuit_picture.h"
#include "entry_field.h"
#include "guide_browser.h"
#include "main_window.h"
#include "document/qstring_utf8.h"
#include "result_label.h"
#include "selector.h"
#include "tab_control.h"
#include "texts.h"

namespace {

QString Numbered(const char* pattern, int b) { return U8(pattern).arg(b); }

std::function<QString()> TextOf(const QComboBox* unit)
{
    return [unit] { return unit->currentText(); };
}

std::function<QString()> TextOf(const QLabel* unit)
{
    return [unit] { return unit->text(); };
}

void Name(QWidget* w, const QString& name) { w->setAccessibleName(name); }

void NameResult(ResultLabel* label, const QString& name, std::function<QString()> unit)
{
    label->setAccessibleName(name);
    label->SetUnitSource(std::move(unit));
}

constexpr QSize kGuideSize(760, 640);

}  // namespace

void MainWindow::NameControls()
{
    Name(ui_.emfField, U8(texts::kNameEmfField));
    Name(ui_.emfUnit, U8(texts::kNameEmfUnit));
    Name(ui_.frequencyField, U8(texts::kNameFrequencyField));
    Name(ui_.frequencyUnit, U8(texts::kNameFrequencyUnit));
    Name(ui_.loopCount, U8(texts::kLoops));
    Name(ui_.branchCount, U8(texts::kBranches));
    Name(ui_.samplePicture, U8(texts::kNameSamplePicture));
    ui_.samplePicture->setAccessibleDescription(U8(texts::kDescribeSamplePicture));
    Name(ui_.pageTabs->Bar(), U8(texts::kNamePageTabs));
    Name(ui_.impedanceTabs->Bar(), U8(texts::kNameImpedanceTabs));
    Name(ui_.currentTabs->Bar(), U8(texts::kNameCurrentTabs));

    for (int b = 1; b <= Circuit::MaxBranches; ++b) {
        Name(ui_.elementButtons[b], Numbered(texts::kNameElementButton, b));
        NameResult(ui_.impedanceRe[b], Numbered(texts::kNameImpedanceRe, b), TextOf(ui_.impedanceUnit[b]));
        NameResult(ui_.impedanceIm[b], Numbered(texts::kNameImpedanceIm, b), TextOf(ui_.impedanceUnit[b]));
        Name(ui_.impedanceUnit[b], Numbered(texts::kNameImpedanceUnit, b));
        Name(ui_.currentButtons[b], Numbered(texts::kNameCurrentButton, b));
        Name(ui_.currentDefinition[b], Numbered(texts::kNameCurrentDefinition, b));
        NameResult(ui_.currentMagnitude[b], Numbered(texts::kNameCurrentMagnitude, b), TextOf(ui_.currentUnit[b]));
        Name(ui_.currentUnit[b], Numbered(texts::kNameCurrentUnit, b));
        NameResult(ui_.currentPhase[b], Numbered(texts::kNameCurrentPhase, b), TextOf(ui_.currentDegrees[b]));
    }
    for (int j = 1; j <= Circuit::MaxLoops; ++j)
        for (int k = 1; k <= Circuit::MaxLoops; ++k) Name(ui_.matrixButtons[j][k], DefaultMatrixCaption(j, k));

    NameResult(ui_.inputImpedanceMagnitude, U8(texts::kNameInputImpedanceMagnitude), TextOf(ui_.inputImpedanceUnit));
    Name(ui_.inputImpedanceUnit, U8(texts::kNameInputImpedanceUnit));
    NameResult(ui_.inputImpedancePhase, U8(texts::kNameInputImpedancePhase), TextOf(ui_.inputImpedanceDegrees));
    Name(ui_.voltageBranch, U8(texts::kNameVoltageBranch));
    NameResult(ui_.voltageMagnitude, U8(texts::kNameVoltageMagnitude), TextOf(ui_.voltageUnit));
    Name(ui_.voltageUnit, U8(texts::kNameVoltageUnit));
    NameResult(ui_.voltagePhase, U8(texts::kNameVoltagePhase), TextOf(ui_.voltageDegrees));
}

// A matrix button is named by its element; its description is the
// definition, which its caption shows.
void MainWindow::DescribeMatrixButton(int j, int k)
{
    QPushButton* button = ui_.matrixButtons[j][k];
    const QString caption = button->text();
    button->setAccessibleDescription(caption == DefaultMatrixCaption(j, k) ? U8(texts::kNotDefined) : caption);
}

// A label's name hides its text from a screen reader: the description
// carries the definition.
void MainWindow::ShowCurrentDefinition(int b, const QString& definition)
{
    ui_.currentDefinition[b]->setText(definition);
    ui_.currentDefinition[b]->setAccessibleDescription(definition.isEmpty() ? U8(texts::kNotDefined) : definition);
}

void MainWindow::AddShortcuts()
{
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &MainWindow::OnCalculate);
}

void MainWindow::ShowGuide()
{
    if (!guide_) {
        guide_ = new QDialog(this);
        guide_->setWindowTitle(U8(texts::kGuideTitle));
        auto* browser = new GuideBrowser(guide_);
        browser->setAccessibleName(U8(texts::kNameGuideText));
        browser->setAccessibleDescription(U8(texts::kDescribeGuideText));
        browser->setOpenExternalLinks(true);
        browser->setSource(QUrl(QStringLiteral("qrc:/guide/guide.html")));
        (new QVBoxLayout(guide_))->addWidget(browser);
        guide_->resize(kGuideSize);
    }
    guide_->show();
    guide_->raise();
}

void MainWindow::ShowAbout()
{
    QMessageBox::about(this, U8(texts::kAboutTitle),
                       U8(texts::kAboutText).arg(QStringLiteral(BRIVEL_VERSION), QString::fromLatin1(qVersion())));
}
