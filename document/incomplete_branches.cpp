#include "document/incomplete_branches.h"

#include <QStringList>

#include "document/language.h"
#include "document/qstring_utf8.h"
#include "document/document_texts.h"

namespace {

// "Z3、Z5" or, with two digits as the current rows are captioned, "I03、I06".
QString Listed(const std::vector<int>& branches, QChar letter, int digits)
{
    QStringList names;
    for (int b : branches) names << letter + QStringLiteral("%1").arg(b, digits, 10, QChar('0'));
    return names.join(Tr(texts::kListSeparator));
}

QString ElementNames(const std::vector<int>& branches) { return Listed(branches, 'Z', 1); }

}  // namespace

std::vector<int> UnenteredBranches(const CircuitDocument& document)
{
    std::vector<int> branches;
    for (int b = 1; b <= document.branches; ++b)
        if (!document.elements[b - 1]) branches.push_back(b);
    return branches;
}

std::vector<int> BranchesWithoutCurrent(const CircuitDocument& document)
{
    std::vector<int> branches;
    for (int b = 1; b <= document.branches; ++b)
        if (!document.currents[b - 1]) branches.push_back(b);
    return branches;
}

QString UnenteredQuestion(const std::vector<int>& branches)
{
    return Tr(texts::kUnenteredQuestion).arg(ElementNames(branches));
}

QString UnenteredNotice(const std::vector<int>& branches)
{
    return Tr(texts::kUnenteredNotice).arg(ElementNames(branches));
}

QString NoBranchCurrentMessage(const std::vector<int>& branches)
{
    return Tr(texts::kNoBranchCurrent) + Listed(branches, 'I', 2);
}
