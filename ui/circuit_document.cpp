#include "circuit_document.h"

#include "platform/qstring_utf8.h"
#include "texts.h"

CircuitDocument EmptyDocument(int loops, int branches)
{
    CircuitDocument d;
    d.loops = loops;
    d.branches = branches;
    d.emf = {QStringLiteral("1"), U8(texts::kVolt)};
    d.frequency = {QStringLiteral("100"), U8(texts::kHertz)};
    d.elements.resize(static_cast<size_t>(branches));
    d.currents.resize(static_cast<size_t>(branches));
    return d;
}

DisplayUnits DisplayUnitsOf(const CircuitDocument& document)
{
    return document.display.value_or(StartDisplayUnits(document.branches));
}

int LeadingDefinedCurrents(const CircuitDocument& document)
{
    int b = 0;
    while (b < document.branches && b < static_cast<int>(document.currents.size()) && document.currents[b]) ++b;
    return b;
}

LoopDefinitions DefinitionsOf(const CircuitDocument& document)
{
    return {document.loops, document.branches, document.currents, document.matrix};
}
