#include "document/circuit_document.h"

#include "document/qstring_utf8.h"
#include "document/document_texts.h"

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

bool SameCircuit(const CircuitDocument& a, const CircuitDocument& b)
{
    return a.loops == b.loops && a.branches == b.branches && a.emf == b.emf && a.frequency == b.frequency &&
           a.elements == b.elements && a.matrix == b.matrix && a.currents == b.currents;
}

LoopDefinitions DefinitionsOf(const CircuitDocument& document)
{
    return {document.loops, document.branches, document.currents, document.matrix};
}
