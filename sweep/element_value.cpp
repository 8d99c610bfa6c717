#include "sweep/element_value.h"

#include "calc/loop_analysis.h"
#include "calc/prefixed_number.h"

namespace {

struct KindNames {
    const char* letter;
    const char* unit;
};

constexpr std::array<KindNames, 3> kKindNames = {{{"R", "Ω"}, {"L", "H"}, {"C", "F"}}};

const KindNames& NamesOf(ElementKind kind) { return kKindNames[static_cast<size_t>(kind)]; }

double& Element(BranchElements& e, ElementKind kind)
{
    switch (kind) {
    case ElementKind::Inductance:
        return e.l;
    case ElementKind::Capacitance:
        return e.c;
    default:
        return e.r;
    }
}

// Shown to the digits of the calculation page's numbers, so that a value
// typed in one unit reads as typed in another: 0.316 μ is 316 n.
constexpr int kShownDigits = 15;

QString Prefixed(double value, bool greekMicro, const QString& between)
{
    const PrefixedForm form = PrefixedFormOf(Rounded(value, kShownDigits));
    return QString::fromStdString(form.number) + between +
           QString::fromUtf8(std::string(PrefixOf(form.exponent, greekMicro)));
}

}  // namespace

double ElementValueIn(const Circuit& c, const ElementSlot& slot)
{
    BranchElements e = ElementsOfBranch(c, slot.branch);
    return Element(e, slot.kind);
}

Circuit WithElementValue(Circuit c, const ElementValue& value)
{
    BranchElements e = ElementsOfBranch(c, value.slot.branch);
    Element(e, value.slot.kind) = value.value;
    SetBranchElements(c, value.slot.branch, e);
    return c;
}

QString ElementLetter(ElementKind kind) { return QString::fromUtf8(NamesOf(kind).letter); }

QString ElementName(const ElementSlot& slot)
{
    return QStringLiteral("Z%1: %2").arg(slot.branch).arg(ElementLetter(slot.kind));
}

QString ValueWithUnit(double value, ElementKind kind)
{
    return Prefixed(value, true, QStringLiteral(" ")) + QString::fromUtf8(NamesOf(kind).unit);
}

QString ElementValueText(const ElementValue& value)
{
    return ElementName(value.slot) + QStringLiteral(" = ") + ValueWithUnit(value.value, value.slot.kind);
}

QString PrefixedValueText(double value) { return Prefixed(value, false, QString()); }

QString StepColumnName(const ElementValue& value)
{
    return QStringLiteral("Z%1.%2=").arg(value.slot.branch).arg(ElementLetter(value.slot.kind)) +
           PrefixedValueText(value.value);
}
