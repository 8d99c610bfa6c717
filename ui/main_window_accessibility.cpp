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
#include "document/language.h"
#include "platform/shown_text.h"
#include "result_label.h"
#include "selector.h"
#include "tab_control.h"
#include "texts.h"

namespace {

QStringList Numbered(int b) { return {QString::number(b)}; }

std::function<QString()> TextOf(const QComboBox* unit)
{
    return [unit] { return unit->currentText(); };
}

std::function<QString()> TextOf(const QLabel* unit)
{
    return [unit] { return unit->text(); };
}

void Name(QWidget* w, const char* name, const QStringList& arguments = {})
{
    ShowText(w, TextRole::AccessibleName, name, arguments);
}

void NameResult(ResultLabel* label, const char* name, std::function<QString()> unit, const QStringList& arguments = {})
{
    Name(label, name, arguments);
    label->SetUnitSource(std::move(unit));
}

constexpr QSize kGuideSize(760, 640);

}  // namespace

void MainWindow::NameControls()
{
    Name(ui_.emfField, texts::kNameEmfField);
    Name(ui_.emfUnit, texts::kNameEmfUnit);
    Name(ui_.frequencyField, texts::kNameFrequencyField);
    Name(ui_.frequencyUnit, texts::kNameFrequencyUnit);
    Name(ui_.loopCount, texts::kLoops);
    Name(ui_.branchCount, texts::kBranches);
    Name(ui_.samplePicture, texts::kNameSamplePicture);
    ShowText(ui_.samplePicture, TextRole::AccessibleDescription, texts::kDescribeSamplePicture);
    Name(ui_.pageTabs->Bar(), texts::kNamePageTabs);
    Name(ui_.impedanceTabs->Bar(), texts::kNameImpedanceTabs);
    Name(ui_.currentTabs->Bar(), texts::kNameCurrentTabs);

    for (int b = 1; b <= Circuit::MaxBranches; ++b) {
        Name(ui_.elementButtons[b], texts::kNameElementButton, Numbered(b));
        NameResult(ui_.impedanceRe[b], texts::kNameImpedanceRe, TextOf(ui_.impedanceUnit[b]), Numbered(b));
        NameResult(ui_.impedanceIm[b], texts::kNameImpedanceIm, TextOf(ui_.impedanceUnit[b]), Numbered(b));
        Name(ui_.impedanceUnit[b], texts::kNameImpedanceUnit, Numbered(b));
        Name(ui_.currentButtons[b], texts::kNameCurrentButton, Numbered(b));
        Name(ui_.currentDefinition[b], texts::kNameCurrentDefinition, Numbered(b));
        NameResult(ui_.currentMagnitude[b], texts::kNameCurrentMagnitude, TextOf(ui_.currentUnit[b]), Numbered(b));
        Name(ui_.currentUnit[b], texts::kNameCurrentUnit, Numbered(b));
        NameResult(ui_.currentPhase[b], texts::kNameCurrentPhase, TextOf(ui_.currentDegrees[b]), Numbered(b));
    }
    for (int j = 1; j <= Circuit::MaxLoops; ++j)
        for (int k = 1; k <= Circuit::MaxLoops; ++k) ui_.matrixButtons[j][k]->setAccessibleName(DefaultMatrixCaption(j, k));

    NameResult(ui_.inputImpedanceMagnitude, texts::kNameInputImpedanceMagnitude, TextOf(ui_.inputImpedanceUnit));
    Name(ui_.inputImpedanceUnit, texts::kNameInputImpedanceUnit);
    NameResult(ui_.inputImpedancePhase, texts::kNameInputImpedancePhase, TextOf(ui_.inputImpedanceDegrees));
    Name(ui_.voltageBranch, texts::kNameVoltageBranch);
    NameResult(ui_.voltageMagnitude, texts::kNameVoltageMagnitude, TextOf(ui_.voltageUnit));
    Name(ui_.voltageUnit, texts::kNameVoltageUnit);
    NameResult(ui_.voltagePhase, texts::kNameVoltagePhase, TextOf(ui_.voltageDegrees));
}

// A matrix button is named by its element; its description is the
// definition, which its caption shows.
void MainWindow::DescribeMatrixButton(int j, int k)
{
    QPushButton* button = ui_.matrixButtons[j][k];
    const QString caption = button->text();
    button->setAccessibleDescription(caption == DefaultMatrixCaption(j, k) ? Tr(texts::kNotDefined) : caption);
}

// A label's name hides its text from a screen reader: the description
// carries the definition.
void MainWindow::ShowCurrentDefinition(int b, const QString& definition)
{
    ui_.currentDefinition[b]->setText(definition);
    ui_.currentDefinition[b]->setAccessibleDescription(definition.isEmpty() ? Tr(texts::kNotDefined) : definition);
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
        ShowText(guide_, TextRole::WindowTitle, texts::kGuideTitle);
        auto* browser = new GuideBrowser(guide_);
        ShowText(browser, TextRole::AccessibleName, texts::kNameGuideText);
        ShowText(browser, TextRole::AccessibleDescription, texts::kDescribeGuideText);
        browser->setOpenExternalLinks(true);
        ShowText(browser, texts::kGuidePage, [browser](const QString& page) { browser->setSource(QUrl(page)); });
        (new QVBoxLayout(guide_))->addWidget(browser);
        guide_->resize(kGuideSize);
    }
    guide_->show();
    guide_->raise();
}

void MainWindow::ShowAbout()
{
    QMessageBox::about(this, Tr(texts::kAboutTitle),
                       Tr(texts::kAboutText).arg(QStringLiteral(BRIVEL_VERSION), QString::fromLatin1(qVersion())));
}
