#pragma once
// The texts of the trace marker's readout line: the frequency and the
// magnitude to five significant digits with their units, the phase to
// 0.01°, all of the curve's exact value at the marker.

#include <QString>

#include "sweep/curve_searches.h"
#include "sweep/plotted_curve.h"

// "1.5176ＫＨｚ" for 1517.6 Hz.
QString MarkerFrequencyText(double frequency);
// "66.914ｍＡ" for a current of 0.066914 A.
QString MarkerMagnitudeText(PlottedQuantity quantity, double magnitude);
// "-12.34°".
QString MarkerPhaseText(double phase);
// What the readout line says a search found: its name, whether the extreme
// is an end of the span, and every −3 dB frequency.
QString SearchNote(CurveSearch search, const SearchFinding& finding);
// "f = 1.5176ＫＨｚ　|Zi| = 9.3154Ω　∠Zi = -12.34°", then the note when
// there is one.
QString MarkerValuesText(const PlottedCurve& curve, const CurvePoint& point, const QString& note);
