#pragma once

#include "geo/geodesy.h"

namespace kestro {

// The inverse problem for the nearly antipodal pairs on which Vincenty's iteration over the
// longitude on the auxiliary sphere fails (GeodesicAntipodal, GeodesicNoConvergence). It
// searches instead for the starting azimuth whose line reaches the latitude of point 2 at the
// longitude of point 2. That longitude grows steadily with the azimuth once the pair is put in a
// standard orientation, so bisection converges for every pair, antipodes included, at the cost
// of about a hundred evaluations of the closed-form line. Fills the outputs and returns true;
// false, with the outputs untouched, for an ellipsoid outside the table or unusable
// coordinates.
[[nodiscard]] bool AntipodalInverse(InverseProblem& problem) noexcept;

}  // namespace kestro
