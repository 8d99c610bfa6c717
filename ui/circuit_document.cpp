#include "circuit_document.h"

#include "qstring_utf8.h"
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
