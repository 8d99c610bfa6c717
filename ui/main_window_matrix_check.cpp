// The loop matrix checked against the branch currents: the command that
// writes it from them, the question at 計算実行 while the two disagree, and
// the marks on the matrix buttons that disagree.

#include <QPushButton>

#include "document/language.h"
#include "calc/matrix_from_currents.h"
#include "main_window.h"
#include "document/matrix_check_text.h"
#include "platform/message_box.h"
#include "document/qstring_utf8.h"
#include "document/signed_sum_text.h"
#include "texts.h"

namespace {

const QColor kDisagreeingCaption(Qt::red);

void MarkDisagreeing(QPushButton* button, const std::optional<QString>& implied)
{
    if (implied) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, kDisagreeingCaption);
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, kDisagreeingCaption.lighter(160));
        button->setPalette(palette);
        button->setToolTip(*implied);
    } else if (button->testAttribute(Qt::WA_SetPalette)) {
        button->setPalette(QPalette());
        button->setAttribute(Qt::WA_SetPalette, false);
        button->setToolTip({});
    }
}

bool SameDefinitions(const CircuitDocument& a, const CircuitDocument& b)
{
    return a.loops == b.loops && a.branches == b.branches && a.matrix == b.matrix && a.currents == b.currents;
}

}  // namespace

void MainWindow::WriteMatrixDefinition(int j, int k, const SignedSumMarks& marks)
{
    const SignedSumEntry entry{marks, SumCaption(marks, SumKind::MatrixElement)};
    SetMatrixCaptionFace(j, k, entry.text);
    StoreMatrixElement(j, k, entry);
}

void MainWindow::OnMatrixFromCurrents()
{
    const MatrixDerivation derivation = DeriveMatrix(DefinitionsOf(entry_));
    if (const auto failure = DerivationFailure(derivation)) {
        ShowMessage(*failure, MessageIcon::None, this);
        return;
    }
    ClearDefinitionResults();
    for (int j = 1; j <= entry_.loops; ++j)
        for (int k = j; k <= entry_.loops; ++k)
            WriteMatrixDefinition(j, k, (*derivation.matrix)[ElementPosition(j, k)]);
    EntryMayHaveChanged();
}

std::vector<ElementDisagreement> MainWindow::MatrixDisagreements() const { return DocumentDisagreements(entry_); }

bool MainWindow::MatrixAgreesOrUserDecides()
{
    const std::vector<ElementDisagreement> disagreements = MatrixDisagreements();
    if (disagreements.empty() || (acceptedAsTyped_ && SameDefinitions(*acceptedAsTyped_, entry_))) return true;
    const Choice choice = AskChoice(DisagreementLines(disagreements).join('\n'), Tr(texts::kFollowCurrents),
                                    Tr(texts::kCalculateAsTyped), Tr(texts::kCancel), Choice::Cancel, this);
    if (choice == Choice::Cancel) return false;
    if (choice == Choice::Secondary) {
        acceptedAsTyped_ = entry_;
        return true;
    }
    for (const ElementDisagreement& d : disagreements) WriteMatrixDefinition(d.row, d.column, d.implied);
    EntryMayHaveChanged();
    return true;
}

void MainWindow::MarkMatrixDisagreements()
{
    std::array<std::array<std::optional<QString>, Circuit::MaxLoops + 1>, Circuit::MaxLoops + 1> implied{};
    for (const ElementDisagreement& d : MatrixDisagreements())
        implied[d.row][d.column] = implied[d.column][d.row] = SumCaption(d.implied, SumKind::MatrixElement);
    for (int j = 1; j <= Circuit::MaxLoops; ++j)
        for (int k = 1; k <= Circuit::MaxLoops; ++k) {
            MarkDisagreeing(ui_.matrixButtons[j][k], implied[j][k]);
            DescribeMatrixButton(j, k);
        }
}
